#pragma once

#include <QPixmap>
#include <QWidget>

// The install tab's drop picture: drawn as large as the panel allows without distorting it,
// centred, and clickable.
class TDropImage : public QWidget {
    Q_OBJECT

public:
    explicit TDropImage(QWidget* owner = nullptr);

    void SetPicture(const QPixmap& picture);
    const QPixmap& Picture() const { return FPicture; }
    QSize sizeHint() const override { return FPicture.size(); }

Q_SIGNALS:
    void OnClick();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap FPicture;
};
