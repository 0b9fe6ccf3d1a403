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

QString textOf(const pugi::xml_node& node) {
    std::string text;
    appendText(node, text);
    // Surrounding white space comes from the file's indentation, not from
    // the content.
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    size_t b = 0;
    size_t e = text.size();
    while (b < e && isSpace(text[b])) {
        ++b;
    }
    while (e > b && isSpace(text[e - 1])) {
        --e;
    }
    return QString::fromUtf8(text.data() + b, static_cast<qsizetype>(e - b));
}

} // namespace

// Child lookups by name for parents with many children, built on first use
// for the document loaded now. A category file holds thousands of records
// under one parent; without this every title read would walk them again.
struct XmlStore::Index {
    std::unordered_map<const void*, std::unordered_map<std::string_view, pugi::xml_node>> children;

    pugi::xml_node child(const pugi::xml_node& parent, const std::string& name) {
        auto it = children.find(parent.internal_object());
        if (it == children.end()) {
            size_t count = 0;
            for (pugi::xml_node c = parent.first_child(); c && count <= kSmall;
                 c = c.next_sibling()) {
                ++count;
            }
            if (count <= kSmall) {
                return parent.child(name.c_str());
            }
            auto& map = children[parent.internal_object()];
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

bool XmlStore::OpenXmlDoc(const QString& source, int16_t mode) {
    doc_ = std::make_unique<pugi::xml_document>();
    index_ = std::make_unique<Index>();
    QByteArray bytes;
    if (mode == 0) {
        QFile file(source);
        if (!file.open(QIODevice::ReadOnly)) {
            return false;
        }
        bytes = file.readAll();
    } else if (mode == 1) {
        bytes = source.toUtf8();
    } else {
        return false;
    }
    bool converted = false;
    bool ok = true;
    if (mode == 0) {
        bytes = ToUtf8IfLegacy(bytes, &converted, &ok);
        if (!ok) {
            return false;
        }
    }
    const auto encoding = (mode == 1 || converted) ? pugi::encoding_utf8 : pugi::encoding_auto;
    const pugi::xml_parse_result result = doc_->load_buffer(
        bytes.constData(), static_cast<size_t>(bytes.size()), pugi::parse_default, encoding);
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
