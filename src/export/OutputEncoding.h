#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// How an export's text becomes bytes: UTF-8, or a named encoding in which every character
// it cannot hold is written as a markup character reference ("&#8364;").
class OutputEncoding {
public:
    OutputEncoding() = default;
    // Nothing when no converter of that name is known.
    static std::optional<OutputEncoding> Named(const QString& name);

    // What starts the file: a byte order mark where the encoding's name gives no order.
    QByteArray Start() const;
    // Text of whole lines: a character the encoding lacks is taken apart only in its own line.
    QByteArray Encode(QStringView text) const;

private:
    explicit OutputEncoding(const QByteArray& name, bool byteOrderMark)
        : FName(name), FByteOrderMark(byteOrderMark) {}

    // Empty for UTF-8.
    QByteArray FName;
    bool FByteOrderMark = false;
};
