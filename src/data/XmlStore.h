#pragma once

#include <QString>

#include <cstdint>
#include <memory>

namespace pugi {
class xml_document;
}

// The one XML document of the program. Every content page loads its file
// into it at the start of the handler that reads it, then reads nodes by
// path. Reading never fails loudly: whatever goes wrong gives "".
class XmlStore {
public:
    XmlStore();
    ~XmlStore();
    XmlStore(const XmlStore&) = delete;
    XmlStore& operator=(const XmlStore&) = delete;

    // mode 0: source is a file path; mode 1: source is XML text. The previous
    // document is dropped first, whatever happens after.
    bool OpenXmlDoc(const QString& source, int16_t mode);

    // Text of the first node (in document order) that the path selects. The
    // path language: element names joined by "/" (child) and "//" (descendant),
    // starting at the root.
    QString GetXmlText(const QString& path) const;

private:
    struct Index;
    std::unique_ptr<pugi::xml_document> doc_;
    std::unique_ptr<Index> index_;
};

// Reads an XML file's bytes and returns them as UTF-8 when the file declares
// a legacy single-byte encoding (such as windows-1256) in its XML
// declaration; otherwise returns the bytes unchanged. Sets ok to false when
// the declared encoding is unknown or the bytes do not convert.
QByteArray ToUtf8IfLegacy(const QByteArray& bytes, bool* converted, bool* ok);
