#include "windows/tfnapoveda.h"

#include <algorithm>
#include <string>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextDocument>
#include <QUrl>

#include "windows/Icons.h"
#include "windows/Language.h"
#include "windows/WindowText.h"
#include "strings/app.h"
#include "ui_tfnapoveda.h"

namespace pramo {
namespace {

QString ReadPage(const QString& file) {
  QFile page(file);
  return page.open(QIODevice::ReadOnly) ? QString::fromUtf8(page.readAll()) : QString();
}

QString PlainText(const QString& html) {
  QTextDocument document;
  document.setHtml(html);
  return document.toPlainText();
}

}  // namespace

TFNapoveda::TFNapoveda() : ui(std::make_unique<Ui::TFNapoveda>()) {
  ui->setupUi(this);
  setWindowIcon(ProgramIcon());
  ui->SNapoveda->setSizes({220, 680});
  ui->TBStranka->setOpenExternalLinks(true);
  connect(ui->BZpet, &QPushButton::clicked, ui->TBStranka, &QTextBrowser::backward);
  connect(ui->BVpred, &QPushButton::clicked, ui->TBStranka, &QTextBrowser::forward);
  connect(ui->BObsah, &QPushButton::clicked, ui->TBStranka, &QTextBrowser::home);
  connect(ui->TBStranka, &QTextBrowser::backwardAvailable, ui->BZpet, &QPushButton::setEnabled);
  connect(ui->TBStranka, &QTextBrowser::forwardAvailable, ui->BVpred, &QPushButton::setEnabled);
  auto openItem = [this](QListWidgetItem* item) {
    if (item) ui->TBStranka->setSource(QUrl::fromLocalFile(item->data(Qt::UserRole).toString()));
  };
  connect(ui->LBObsah, &QListWidget::itemClicked, this, openItem);
  connect(ui->LBNalezeno, &QListWidget::itemClicked, this, openItem);
  connect(ui->EHledat, &QLineEdit::returnPressed, this, &TFNapoveda::EHledatReturnPressed);
  ui->BZpet->setEnabled(false);
  ui->BVpred->setEnabled(false);
  RetranslateOnLanguageChange(this, [this] { Retranslate(); });
}

TFNapoveda::~TFNapoveda() = default;

void TFNapoveda::Retranslate() {
  ui->retranslateUi(this);
}

void TFNapoveda::ShowPage(const QString& contents, const QString& page) {
  if (contents != m_contents) ReadContents(contents);
  ui->TBStranka->setSource(QUrl::fromLocalFile(page));
  show();
  raise();
  activateWindow();
}

void TFNapoveda::ReadContents(const QString& contents) {
  m_contents = contents;
  m_pages.clear();
  ui->LBObsah->clear();
  ui->LBNalezeno->clear();
  const QDir folder = QFileInfo(contents).dir();
  m_pages.push_back({contents, QString(), PlainText(ReadPage(contents))});
  static const QRegularExpression link(QStringLiteral("<a href=\"([a-z0-9-]+\\.html)\">(.*?)</a>"));
  for (const QRegularExpressionMatch& match : link.globalMatch(ReadPage(contents))) {
    const QString file = folder.filePath(match.captured(1));
    const QString title = PlainText(match.captured(2));
    m_pages.push_back({file, title, PlainText(ReadPage(file))});
    auto* item = new QListWidgetItem(title, ui->LBObsah);
    item->setData(Qt::UserRole, file);
  }
  ui->TBStranka->clearHistory();
  ui->TBStranka->setSource(QUrl::fromLocalFile(contents));
  m_pages.front().title = ui->TBStranka->documentTitle();
}

QStringList TFNapoveda::Search(const QString& query) const {
  const QStringList words = query.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
  QStringList found;
  if (words.isEmpty()) return found;
  for (const Page& page : m_pages) {
    const bool all = std::all_of(words.begin(), words.end(), [&](const QString& word) {
      return page.text.contains(word, Qt::CaseInsensitive) || page.title.contains(word, Qt::CaseInsensitive);
    });
    if (all) found << page.file;
  }
  return found;
}

void TFNapoveda::EHledatReturnPressed() {
  ui->LBNalezeno->clear();
  const QStringList found = Search(ui->EHledat->text());
  for (const QString& file : found) {
    const auto page =
        std::find_if(m_pages.begin(), m_pages.end(), [&](const Page& p) { return p.file == file; });
    auto* item = new QListWidgetItem(page->title, ui->LBNalezeno);
    item->setData(Qt::UserRole, file);
  }
  ui->LNalezeno->setText(ToQt(Format(str::kHelpPagesFound, {std::to_string(found.size())})));
}

}  // namespace pramo
