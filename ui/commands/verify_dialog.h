#pragma once
// The dialog of a verification: progress with Cancel while the processor is read back, then
// "verified" or the list of differences with Send again and Close.

#include <QDialog>

class QLabel;
class QListWidget;
class QProgressBar;

namespace aec {

class BmpButton;

class VerifyDialog : public QDialog {
  public:
    explicit VerifyDialog(QWidget* parent);

    // Reading: pages done of all pages, and Cancel.
    void showReading(int pagesDone, int pages, int languageFlag);
    // The outcome: a headline, the differences (none: verified), and Send again when there
    // are differences to send.
    void showResult(const QString& headline, const QStringList& lines, int languageFlag);

    BmpButton* cancelButton() const { return m_cancel; }
    BmpButton* sendButton() const { return m_send; }
    BmpButton* closeButton() const { return m_close; }

  private:
    void setCaptions(int languageFlag);

    QLabel* m_headline;
    QProgressBar* m_progress;
    QListWidget* m_list;
    BmpButton* m_cancel;
    BmpButton* m_send;
    BmpButton* m_close;
};

}  // namespace aec
