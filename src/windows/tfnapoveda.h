#pragma once

#include <memory>
#include <vector>

#include <QString>
#include <QStringList>
#include <QWidget>

namespace Ui {
class TFNapoveda;
}

namespace pramo {

// The help window: the pages of the help in a text browser, with their contents and a search over them.
class TFNapoveda : public QWidget {
  Q_OBJECT

 public:
  TFNapoveda();
  ~TFNapoveda() override;

  // Shows the page; the contents page's links give the list of contents and the pages searched.
  void ShowPage(const QString& contents, const QString& page);

  // The pages whose text holds every word of the query (case ignored), in the order of the contents.
  QStringList Search(const QString& query) const;

  void EHledatReturnPressed();

 private:
  struct Page {
    QString file;
    QString title;
    QString text;  // plain text, for the search
  };
  void ReadContents(const QString& contents);
  void Retranslate();

  std::unique_ptr<Ui::TFNapoveda> ui;
  QString m_contents;
  std::vector<Page> m_pages;
};

}  // namespace pramo
