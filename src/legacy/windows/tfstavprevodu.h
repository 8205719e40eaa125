#pragma once

#include <memory>

#include <QDialog>
#include <QTimer>

namespace Ui {
class TFStavPrevodu;
}

namespace pramo {

class ConversionRun;

// "Čekejte prosím": the progress of a conversion, which its timer drives a few records at a time so that
// the window stays responsive and "Storno" can stop the run between two records.
class TFStavPrevodu : public QDialog {
  Q_OBJECT

 public:
  explicit TFStavPrevodu(QWidget* parent = nullptr);
  ~TFStavPrevodu() override;

  // Shows the progress of a started run and drives it to its end.
  void Run(ConversionRun& run);

  void TConvertTimer();
  void BStornoClick();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void ShowProgress();

  std::unique_ptr<Ui::TFStavPrevodu> ui;
  QTimer TConvert;
  ConversionRun* m_run = nullptr;
};

}  // namespace pramo
