#pragma once

#include <QPixmap>
#include <QString>
#include <QVariant>

#include <stdexcept>

// A picture could not be made from a resource.
class ResPictureError : public std::runtime_error {
public:
    ResPictureError(int number, const QString& description, const QString& source)
        : std::runtime_error(description.toStdString()), number_(number), description_(description),
          source_(source) {}
    int number() const { return number_; }
    QString description() const { return description_; }
    // The executable's name followed by ".cLoadResPicture".
    QString source() const { return source_; }

private:
    int number_;
    QString description_;
    QString source_;
};

// The page headers and backgrounds carried inside the program as resources
// of type "JPG". Names match without regard to letter case; one resource
// has the number 2001. The bytes are decoded in memory: no file is written.
class cLoadResPicture {
public:
    // identifier: a name or a number; type: the resource type ("JPG").
    QPixmap LoadResPicture(const QVariant& identifier, const QString& type) const;
};

// Makes the program's resources available; safe to call more than once.
void initPictureResources();
