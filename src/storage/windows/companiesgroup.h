#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QGroupBox>

#include "core/Messages.h"

namespace Ui {
class CompaniesGroup;
}

namespace pramo {

// The group "Firmy / Útvary - databáze" of the database page: the company and department names of the
// open database, with adding, renaming and removing. Every change goes to the file at once.
class CompaniesGroup : public QGroupBox {
  Q_OBJECT

 public:
  explicit CompaniesGroup(Messages& messages, QWidget* parent = nullptr);
  ~CompaniesGroup() override;

  // Reads the names of the database again; no name chosen.
  void ListCompanies(const std::string& databasePath);
  const std::vector<std::string>& Names() const { return m_names; }

  void CBUtvarDBChange(int index);
  void BBPridejUtvarClick();
  void BBZmenJmenoUtvaruClick();
  void BBOdstranUtvarClick();

 signals:
  // The list of names changed: the input page's company list and the filter follow it.
  void NamesChanged();

 private:
  void ShowNames();
  void ClearChoice();

  std::unique_ptr<Ui::CompaniesGroup> ui;
  Messages& m_messages;
  std::string m_databasePath;
  std::vector<std::string> m_names;
  std::optional<std::size_t> m_chosen;
};

}  // namespace pramo
