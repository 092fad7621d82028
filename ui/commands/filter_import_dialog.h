#pragma once
// What a filter import will do, before it is done: the bands to write and every problem, with
// Apply and Cancel.

#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;

namespace aec {

class BmpButton;

class FilterImportDialog : public QDialog {
  public:
    explicit FilterImportDialog(QWidget* parent);

    // Fills the dialog: a headline, the bands to write and the problems (none: a line saying so).
    void showPlan(const QString& headline, const QStringList& bands, const QStringList& problems,
                  int languageFlag);

    QListWidget* bandList() const { return m_bands; }
    QListWidget* problemList() const { return m_problems; }
    BmpButton* applyButton() const { return m_apply; }
    BmpButton* cancelButton() const { return m_cancel; }

  private:
    QLabel* m_headline;
    QLabel* m_bandsCaption;
    QListWidget* m_bands;
    QLabel* m_problemsCaption;
    QListWidget* m_problems;
    BmpButton* m_apply;
    BmpButton* m_cancel;
};

}  // namespace aec
