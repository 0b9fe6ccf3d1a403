#pragma once

// The drawing tables: JSON files that name every picture, its pixel size and
// the list of drawing operations that make it. Tables share a palette and a
// set of templates (parameterised lists of operations); loading expands every
// template so that a picture ends up as a flat list of plain operations.

#include <QBrush>
#include <QColor>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

// Any fault in a table or in drawing: the message names the table, the
// picture and the operation, so the build log points at the line to fix.
struct DrawError {
    QString message;
};

struct Picture {
    QString file; // resource path and output path, e.g. "pictures/imgasli1.png"
    QSize size;
    QJsonArray ops; // expanded operations, no "use" and no "$argument" left
    bool flipHorizontal = false;
    int quality = 92;     // JPEG quality
    QString matte;        // colour a JPEG is flattened on
    QString table;        // file that defines the picture
    bool preview = false; // a preview is drawn for checking only, never shipped
};

class Manifest {
public:
    // Reads one table and merges its palette, templates, pictures and previews.
    void load(const QString& path);
    // Expands templates; call once after the last load.
    void finish();

    const QList<Picture>& pictures() const { return pictures_; }
    const QList<Picture>& previews() const { return previews_; }

    QColor color(const QJsonValue& value, const QString& where) const;
    QBrush paint(const QJsonValue& value, const QString& where) const;

private:
    struct Template {
        QJsonObject params; // name -> default (null: required)
        QJsonArray ops;
        QString table;
    };
    struct Raw {
        QJsonObject object;
        QString table;
        bool preview;
    };

    QColor colorDepth(const QString& text, const QString& where, int depth) const;
    QJsonArray expand(const QJsonArray& ops, const QJsonObject& args, const QString& where,
                      int depth) const;
    Picture makePicture(const Raw& raw) const;

    QHash<QString, QString> colors_;
    QHash<QString, Template> templates_;
    QList<Raw> raw_;
    QList<Picture> pictures_;
    QList<Picture> previews_;
};

// Fails with a clear message when an object carries a key outside `allowed`,
// so that a misspelt key never passes silently.
void checkKeys(const QJsonObject& object, const QStringList& allowed, const QString& where);
