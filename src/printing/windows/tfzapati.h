#pragma once

#include <memory>
#include <string>

#include <QDialog>

namespace Ui {
class TFZapati;
}

namespace pramo {

// "Zadejte text zápatí": the footer text printed on every certificate page.
class TFZapati : public QDialog {
  Q_OBJECT

 public:
  explicit TFZapati(QWidget* parent = nullptr);
  ~TFZapati() override;

  void ShowFor(const std::string& footer);
  std::string Footer() const;

  void BBOKClick();

 signals:
  // The text was changed (or confirmed with "OK"): the program settings have unsaved texts.
  void TextsChanged();
  // The window closed: its text is the footer text now.
  void FooterTaken(const std::string& footer);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void EZapatiExit();

  std::unique_ptr<Ui::TFZapati> ui;
  QString m_textOnEntry;
};

}  // namespace pramo
