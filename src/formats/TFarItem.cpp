#include "formats/TFarItem.h"

TFarItem::TFarItem(const QString& name, quint32 offset, quint32 size, const QByteArray& storedName)
    : FName(name), FStoredName(storedName), FOffset(offset), FSize(size) {}

void TFarItem::SetName(const QString& name) {
    FName = name;
    FStoredName.clear();
}

TFarItem TFarItem::FromDisk(const QString& name, const QString& sourcePath, quint32 size,
                            bool appendable) {
    TFarItem item(name, 0, size);
    item.FSourcePath = sourcePath;
    item.FModified = true;
    item.FAppendable = appendable;
    return item;
}

void TFarItem::SetData(const QByteArray& data) {
    FData = data;
    FSize = quint32(data.size());
    FLoaded = true;
    FModified = true;
}

void TFarItem::Unload() {
    FData = QByteArray();
    FLoaded = false;
}

void TFarItem::MarkWritten(quint32 offset) {
    FOffset = offset;
    FSourcePath.clear();
    FModified = false;
    FAppendable = false;
    Unload();
}
