#include "data/XmlStore.h"

#include <QFile>

#include <pugixml.hpp>

#include <cstring>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

struct Step {
    bool descendant = false;
    std::string name;
};

bool isNameChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x80 || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
           (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '.';
}

// Splits "/a/b//c" into steps; false for anything outside the path language.
bool parsePath(const std::string& path, std::vector<Step>& steps) {
    size_t i = 0;
    const size_t n = path.size();
    if (n == 0 || path[0] != '/') {
        return false;
    }
    while (i < n) {
        if (path[i] != '/') {
            return false;
        }
        Step step;
        ++i;
        if (i < n && path[i] == '/') {
            step.descendant = true;
            ++i;
        }
        const size_t start = i;
        while (i < n && isNameChar(path[i])) {
            ++i;
        }
        if (i == start) {
            return false;
        }
        const char first = path[start];
        if ((first >= '0' && first <= '9') || first == '-' || first == '.') {
            return false;
        }
        step.name = path.substr(start, i - start);
        steps.push_back(std::move(step));
    }
    return true;
}

void appendText(const pugi::xml_node& node, std::string& out) {
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        switch (child.type()) {
        case pugi::node_pcdata:
        case pugi::node_cdata:
            out += child.value();
            break;
        case pugi::node_element:
            appendText(child, out);
            break;
        default:
            break;
        }
    }
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Surrounding white space comes from the file's indentation, not from the
// content.
QString trimmed(const char* s, size_t size) {
    size_t b = 0;
    size_t e = size;
    while (b < e && isSpace(s[b])) {
        ++b;
    }
    while (e > b && isSpace(s[e - 1])) {
        --e;
    }
    return QString::fromUtf8(s + b, static_cast<qsizetype>(e - b));
}

QString textOf(const pugi::xml_node& node) {
    // Most nodes read hold one piece of text: no copy needed.
    const pugi::xml_node first = node.first_child();
    if (first && !first.next_sibling() &&
        (first.type() == pugi::node_pcdata || first.type() == pugi::node_cdata)) {
        const char* v = first.value();
        return trimmed(v, std::strlen(v));
    }
    std::string text;
    appendText(node, text);
    return trimmed(text.data(), text.size());
}

// A path of child steps only, with plain ASCII names, read without building
// any string: the common case, a record's field. False when the path is of
// another kind; found is then left alone.
template <typename ChildOf>
bool walkChildPath(const QString& path, const pugi::xml_node& root, ChildOf child,
                   pugi::xml_node& found) {
    const qsizetype n = path.size();
    if (n < 2 || path.at(0) != QLatin1Char('/')) {
        return false;
    }
    char name[128];
    pugi::xml_node node;
    qsizetype i = 1;
    bool atRoot = true;
    while (i <= n) {
        size_t len = 0;
        while (i < n && path.at(i) != QLatin1Char('/')) {
            const char16_t c = path.at(i).unicode();
            if (c >= 0x80 || len + 1 >= sizeof name || !isNameChar(static_cast<char>(c))) {
                return false;
            }
            name[len++] = static_cast<char>(c);
            ++i;
        }
        if (len == 0 || (name[0] >= '0' && name[0] <= '9') || name[0] == '-' || name[0] == '.') {
            return false; // "//", a trailing "/", or not a name: the general reader decides
        }
        const std::string_view step(name, len);
        if (atRoot) {
            node = step == root.name() ? root : pugi::xml_node();
            atRoot = false;
        } else if (node) {
            node = child(node, step);
        }
        ++i; // past the "/"
    }
    found = node;
    return true;
}

} // namespace

// Child lookups by name for parents with many children, built on first use
// for the document loaded now. A category file holds thousands of records
// under one parent; without this every title read would walk them again.
struct XmlStore::Index {
    std::unordered_map<const void*, std::unordered_map<std::string_view, pugi::xml_node>> children;

    pugi::xml_node child(const pugi::xml_node& parent, std::string_view name) {
        auto it = children.find(parent.internal_object());
        if (it == children.end()) {
            size_t count = 0;
            for (pugi::xml_node c = parent.first_child(); c && count <= kSmall;
                 c = c.next_sibling()) {
                ++count;
            }
            if (count <= kSmall) {
                for (pugi::xml_node c = parent.first_child(); c; c = c.next_sibling()) {
                    if (c.type() == pugi::node_element && name == c.name()) {
                        return c;
                    }
                }
                return {};
            }
            auto& map = children[parent.internal_object()];
            map.reserve(count * 2);
            for (pugi::xml_node c = parent.first_child(); c; c = c.next_sibling()) {
                if (c.type() == pugi::node_element) {
                    map.try_emplace(std::string_view(c.name()), c); // the first one wins
                }
            }
            it = children.find(parent.internal_object());
        }
        const auto found = it->second.find(name);
        return found == it->second.end() ? pugi::xml_node() : found->second;
    }

    static constexpr size_t kSmall = 16;
};

XmlStore::XmlStore() = default;
XmlStore::~XmlStore() = default;

namespace {

// A buffer the document takes over and parses in place.
struct OwnedBuffer {
    void* data = nullptr;
    size_t size = 0;

    explicit OwnedBuffer(size_t n)
        : data(pugi::get_memory_allocation_function()(n == 0 ? 1 : n)), size(n) {}
    ~OwnedBuffer() {
        if (data) {
            pugi::get_memory_deallocation_function()(data);
        }
    }
    OwnedBuffer(const OwnedBuffer&) = delete;
    OwnedBuffer& operator=(const OwnedBuffer&) = delete;
    void* release() {
        void* d = data;
        data = nullptr;
        return d;
    }
    QByteArray view() const {
        return QByteArray::fromRawData(static_cast<const char*>(data),
                                       static_cast<qsizetype>(size));
    }
};

} // namespace

bool XmlStore::OpenXmlDoc(const QString& source, int16_t mode) {
    doc_ = std::make_unique<pugi::xml_document>();
    index_ = std::make_unique<Index>();
    std::unique_ptr<OwnedBuffer> buffer;
    auto encoding = pugi::encoding_auto;
    if (mode == 0) {
        QFile file(source);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
            return false;
        }
        // Read straight into the document's own buffer: no second copy of a
        // large file.
        buffer = std::make_unique<OwnedBuffer>(static_cast<size_t>(file.size()));
        if (!buffer->data ||
            file.read(static_cast<char*>(buffer->data), static_cast<qint64>(buffer->size)) !=
                static_cast<qint64>(buffer->size)) {
            return false;
        }
        bool converted = false;
        bool ok = true;
        const QByteArray utf8 = ToUtf8IfLegacy(buffer->view(), &converted, &ok);
        if (!ok) {
            return false;
        }
        if (converted) {
            buffer = std::make_unique<OwnedBuffer>(static_cast<size_t>(utf8.size()));
            std::memcpy(buffer->data, utf8.constData(), buffer->size);
            encoding = pugi::encoding_utf8;
        }
    } else if (mode == 1) {
        const QByteArray utf8 = source.toUtf8();
        buffer = std::make_unique<OwnedBuffer>(static_cast<size_t>(utf8.size()));
        std::memcpy(buffer->data, utf8.constData(), buffer->size);
        encoding = pugi::encoding_utf8;
    } else {
        return false;
    }
    if (!buffer->data) {
        return false;
    }
    const size_t size = buffer->size;
    const pugi::xml_parse_result result =
        doc_->load_buffer_inplace_own(buffer->release(), size, pugi::parse_default, encoding);
    if (!result || !doc_->document_element()) {
        doc_ = std::make_unique<pugi::xml_document>();
        return false;
    }
    return true;
}

QString XmlStore::GetXmlText(const QString& path) const {
    if (!doc_) {
        return {};
    }
    const pugi::xml_node root = doc_->document_element();
    if (!root) {
        return {};
    }
    pugi::xml_node hit;
    if (walkChildPath(
            path, root,
            [this](const pugi::xml_node& parent, std::string_view name) {
                return index_->child(parent, name);
            },
            hit)) {
        return hit ? textOf(hit) : QString();
    }
    std::vector<Step> steps;
    if (!parsePath(path.toStdString(), steps)) {
        return {};
    }
    bool onlyChildren = true;
    for (const Step& s : steps) {
        onlyChildren = onlyChildren && !s.descendant;
    }
    if (onlyChildren) {
        // Child steps only: the first match in document order is found by
        // taking the first child of each name, step by step.
        if (steps.front().name != root.name()) {
            return {};
        }
        pugi::xml_node node = root;
        for (size_t i = 1; i < steps.size() && node; ++i) {
            node = index_->child(node, steps[i].name);
        }
        return node ? textOf(node) : QString();
    }
    std::string query;
    for (const Step& s : steps) {
        query += s.descendant ? "//" : "/";
        query += s.name;
    }
    try {
        const pugi::xpath_node hit = doc_->select_node(query.c_str());
        return hit.node() ? textOf(hit.node()) : QString();
    } catch (const pugi::xpath_exception&) {
        return {};
    }
}
