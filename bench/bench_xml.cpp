// Reading the title list of a large article file through the XML store:
// load the file, read the count, read every title by its path. Baseline: a
// bare parse of the same bytes, read from the file the same way. For
// contrast, the same titles found with one XPath query each, and the floor:
// the titles taken in one walk over the records, without paths. Repetitions
// of the benchmarks are best interleaved
// (--benchmark_enable_random_interleaving=true): the machine's speed drifts
// more between runs than within one.
//
// The article file is generated at start into a temporary directory: 2000
// records of Persian-like text, about 6 MB.

#include "bench_ratio.h"
#include "bench_text.h"

#include "data/XmlStore.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <pugixml.hpp>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

const QString kKey = QStringLiteral("medicalvemo");
constexpr int kEntries = 2000;

std::unique_ptr<QTemporaryDir> gDir;
QString gPath;
qint64 gBytes = 0;

std::string articleFile(const std::string& key, int entries) {
    bench::PersianLikeText words(20240321);
    std::string xml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<" + key + ">\n";
    xml += "  <info>\n    <tedad>" + std::to_string(entries) + "</tedad>\n  </info>\n";
    for (int i = 1; i <= entries; ++i) {
        const std::string record = key + std::to_string(i);
        xml += "  <" + record + ">\n";
        xml += "    <title>" + words.text(40 + words.below(50)) + "</title>\n";
        xml += "    <post>" + words.text(2300 + words.below(1200), 12) + "</post>\n";
        xml += "  </" + record + ">\n";
    }
    xml += "</" + key + ">\n";
    return xml;
}

bool writeArticleFile() {
    gDir = std::make_unique<QTemporaryDir>();
    if (!gDir->isValid()) {
        return false;
    }
    gPath = gDir->filePath(kKey + QStringLiteral(".xml"));
    const std::string xml = articleFile(kKey.toStdString(), kEntries);
    QFile file(gPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    gBytes = file.write(xml.data(), static_cast<qint64>(xml.size()));
    return gBytes == static_cast<qint64>(xml.size());
}

// The file's bytes, read as the store reads them.
QByteArray readBytes() {
    QFile file(gPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

void counters(benchmark::State& state) {
    state.counters["file_MB"] = static_cast<double>(gBytes) / 1e6;
    state.SetBytesProcessed(state.iterations() * gBytes);
}

void BM_Baseline_BareParse(benchmark::State& state) {
    for (auto _ : state) {
        const QByteArray bytes = readBytes();
        pugi::xml_document doc;
        const pugi::xml_parse_result result =
            doc.load_buffer(bytes.constData(), static_cast<size_t>(bytes.size()));
        if (!result || !doc.document_element()) {
            state.SkipWithError("the generated file does not parse");
            break;
        }
        benchmark::DoNotOptimize(doc.document_element().internal_object());
    }
    counters(state);
}
BENCHMARK(BM_Baseline_BareParse)->Unit(benchmark::kMillisecond);

void BM_Baseline_BareLoadFile(benchmark::State& state) {
    const std::string path = gPath.toStdString();
    for (auto _ : state) {
        pugi::xml_document doc;
        if (!doc.load_file(path.c_str()) || !doc.document_element()) {
            state.SkipWithError("the generated file does not parse");
            break;
        }
        benchmark::DoNotOptimize(doc.document_element().internal_object());
    }
    counters(state);
}
BENCHMARK(BM_Baseline_BareLoadFile)->Unit(benchmark::kMillisecond);

// The store's load alone: what it adds to the bare parse before any read.
void BM_OpenXmlDoc(benchmark::State& state) {
    XmlStore store;
    for (auto _ : state) {
        if (!store.OpenXmlDoc(gPath, 0)) {
            state.SkipWithError("OpenXmlDoc failed");
            break;
        }
    }
    counters(state);
}
BENCHMARK(BM_OpenXmlDoc)->Unit(benchmark::kMillisecond);

// What the title-list page does: load, count, one read per title into the
// list that the search box is filled from.
void BM_TitleListRead(benchmark::State& state) {
    XmlStore store;
    const QString root = QLatin1Char('/') + kKey + QLatin1Char('/');
    QStringList titles;
    for (auto _ : state) {
        store.OpenXmlDoc(gPath, 0);
        const int count = store.GetXmlText(root + QStringLiteral("info/tedad")).toInt();
        titles.clear();
        titles.reserve(count);
        for (int i = 1; i <= count; ++i) {
            titles.append(
                store.GetXmlText(root + kKey + QString::number(i) + QStringLiteral("/title")));
        }
        if (titles.size() != kEntries || titles.back().isEmpty() || titles.front().isEmpty()) {
            state.SkipWithError("the title list is not complete");
            break;
        }
        benchmark::DoNotOptimize(titles.constData());
    }
    counters(state);
}
BENCHMARK(BM_TitleListRead)->Unit(benchmark::kMillisecond);

// The same list with one XPath query per title, as a plain XPath reader of
// the document would find each node: every query walks the records again.
void BM_TitleListNaiveXPath(benchmark::State& state) {
    const std::string root = (QLatin1Char('/') + kKey + QLatin1Char('/')).toStdString();
    const std::string record = root + kKey.toStdString();
    QStringList titles;
    for (auto _ : state) {
        const QByteArray bytes = readBytes();
        pugi::xml_document doc;
        doc.load_buffer(bytes.constData(), static_cast<size_t>(bytes.size()));
        const int count =
            std::atoi(doc.select_node((root + "info/tedad").c_str()).node().text().get());
        titles.clear();
        titles.reserve(count);
        for (int i = 1; i <= count; ++i) {
            const pugi::xpath_node hit =
                doc.select_node((record + std::to_string(i) + "/title").c_str());
            titles.append(QString::fromUtf8(hit.node().text().get()));
        }
        if (titles.size() != kEntries || titles.back().isEmpty()) {
            state.SkipWithError("the title list is not complete");
            break;
        }
        benchmark::DoNotOptimize(titles.constData());
    }
    counters(state);
}
BENCHMARK(BM_TitleListNaiveXPath)->Unit(benchmark::kMillisecond);

// The floor for any reader that hands out the titles as texts: the bare
// parse, then a walk over the records in document order with one text per
// title, no path lookups at all.
void BM_Floor_DirectWalk(benchmark::State& state) {
    QStringList titles;
    for (auto _ : state) {
        const QByteArray bytes = readBytes();
        pugi::xml_document doc;
        doc.load_buffer(bytes.constData(), static_cast<size_t>(bytes.size()));
        titles.clear();
        titles.reserve(kEntries);
        for (pugi::xml_node r = doc.document_element().child("info").next_sibling(); r;
             r = r.next_sibling()) {
            titles.append(QString::fromUtf8(r.child("title").child_value()).trimmed());
        }
        if (titles.size() != kEntries || titles.back().isEmpty()) {
            state.SkipWithError("the title list is not complete");
            break;
        }
        benchmark::DoNotOptimize(titles.constData());
    }
    counters(state);
}
BENCHMARK(BM_Floor_DirectWalk)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (!writeArticleFile()) {
        std::fprintf(stderr, "bench_xml: cannot write the article file\n");
        return 1;
    }
    std::printf("article file: %s, %d entries, %lld bytes\n", qPrintable(gPath), kEntries,
                static_cast<long long>(gBytes));
    return bench::RunWithRatios(argc, argv,
                                {
                                    {"BM_TitleListRead", "BM_Baseline_BareParse", 1.5, 0},
                                    {"BM_TitleListRead", "BM_Baseline_BareLoadFile", 0, 0},
                                    {"BM_Floor_DirectWalk", "BM_Baseline_BareParse", 0, 0},
                                    {"BM_OpenXmlDoc", "BM_Baseline_BareParse", 0, 0},
                                    {"BM_TitleListNaiveXPath", "BM_Baseline_BareParse", 0, 0},
                                    {"BM_Baseline_BareLoadFile", "BM_Baseline_BareParse", 0, 0},
                                });
}
