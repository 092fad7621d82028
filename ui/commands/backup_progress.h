#pragma once
// The window-modal dialog shown while the processor's modes are backed up or restored: what is
// being done, a bar of the modes done, and Cancel. Closing it is a cancel too.

#include <QDialog>

#include "ui/widgets/buttons.h"

class QLabel;
class QProgressBar;

namespace aec {

class BackupProgress : public QDialog {
    Q_OBJECT
  public:
    explicit BackupProgress(QWidget* parent);

    // Shows the dialog with its caption and Cancel in the language chosen.
    void start(const QString& caption, const QString& cancel);
    void showProgress(const QString& text, int done, int total);
    // After a cancel the work finishes what it must; the button has done its part.
    void setCancelEnabled(bool enabled);

  signals:
    void cancelRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QLabel* m_label;
    QProgressBar* m_bar;
    BmpButton* m_cancel;
};

}  // namespace aec
