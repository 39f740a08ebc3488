#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

// The small always-on-top window that every long operation shows: a message and a bar.
// Each change repaints at once, because the work runs on the interface thread. It keeps the
// focus while it is shown, unless a question box of the program takes it.
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

protected:
    void changeEvent(QEvent* event) override;

private:
    void FormDeactivate();
    void RepaintNow();

    QLabel* FMessageLabel;
    QProgressBar* FProgressBar;
};
