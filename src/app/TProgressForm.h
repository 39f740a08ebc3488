#pragma once

#include <QDialog>

#include <atomic>

class QLabel;
class QProgressBar;
class QPushButton;

// The small always-on-top window that every long operation shows: a message, a bar and a
// Cancel button. Each change repaints at once, in case the work runs on the interface
// thread. It keeps the focus while it is shown, unless a question box of the program takes
// it.
class TProgressForm : public QDialog {
    Q_OBJECT

public:
    explicit TProgressForm(QWidget* owner = nullptr);

    void SetMessage(const QString& text);
    void SetPercent(int percent);
    void ShowBar(bool shown);
    void SetCancelCaption(const QString& caption);
    void ShowCancel(bool shown);
    // Whether Cancel was pressed; safe to read from the thread the work runs on.
    bool CancelRequested() const { return FCancelRequested; }

    QString Message() const;
    int Percent() const;
    bool BarShown() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void FormDeactivate();
    void RepaintNow();
    void CancelClick();

    QLabel* FMessageLabel;
    QProgressBar* FProgressBar;
    QPushButton* FCancelButton;
    std::atomic<bool> FCancelRequested = false;
};
