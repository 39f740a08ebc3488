#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

// The small always-on-top window that every long operation shows: a message and a bar.
// Each change repaints at once, because the work runs on the interface thread.
class TProgressForm : public QDialog {
    Q_OBJECT

public:
    explicit TProgressForm(QWidget* owner = nullptr);

    void SetMessage(const QString& text);
    void SetPercent(int percent);
    void ShowBar(bool shown);

    QString Message() const;
    int Percent() const;
    bool BarShown() const;

private:
    void RepaintNow();

    QLabel* FMessageLabel;
    QProgressBar* FProgressBar;
};
