#pragma once
// TForm2: the small status dialog shown on top while a search or a transfer runs: the status
// text, the port being tried, the transfer's progress and a request to wait.

#include <QDialog>

#include "link/connection_view.h"

class QLabel;
class QProgressBar;

namespace aec {

class TForm2 : public QDialog, public StatusDialogView {
    Q_OBJECT
  public:
    static constexpr int kClientWidth = 306;
    static constexpr int kClientHeight = 85;

    explicit TForm2(QWidget* parent = nullptr);

    // Copies the state into the labels and the bar, then shows or hides the dialog.
    void showStatus(const StatusDialogState& state) override;
    // Caption and warning in the language of the flag (1 Chinese, 0 English).
    void applyLanguage(int languageFlag);

  protected:
    void showEvent(QShowEvent* event) override;
    // Closing only hides the dialog; the next tick of a running search shows it again.
    void closeEvent(QCloseEvent* event) override;

  private:
    QLabel* m_linkLabel;
    QLabel* m_comLabel;
    QProgressBar* m_progress;
    QLabel* m_warnLabel;
    bool m_placed = false;
};

}  // namespace aec
