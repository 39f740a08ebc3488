#pragma once

#include <QPixmap>
#include <QWidget>

// The install tab's drop picture: drawn as large as the panel allows without distorting it,
// centred, clickable, and a target for files and folders dropped from a file manager.
class TDropImage : public QWidget {
    Q_OBJECT

public:
    explicit TDropImage(QWidget* owner = nullptr);

    void SetPicture(const QPixmap& picture);
    const QPixmap& Picture() const { return FPicture; }
    QSize sizeHint() const override { return FPicture.size(); }

Q_SIGNALS:
    void OnClick();
    // Files or folders were dropped on the picture: their full paths.
    void FileDropDropFiles(const QStringList& paths);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QPixmap FPicture;
};
