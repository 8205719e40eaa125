#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QWidget>

#include "app/InputPageRules.h"
#include "app/SettingsDialogs.h"
#include "app/windows/sessioncontroller.h"
#include "core/CalculationState.h"
#include "core/InputForm.h"
#include "core/Messages.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace Ui {
class TSZadani;
}

namespace pramo {

class TFZadej;
class TFZadej2;
class TFRadaTlakDif;
class TFJmenoTekutiny;

// The page "Zadání": the element, the fluid and its state, the flow range, the pipe, materials and
// fittings, the texts of the calculation and the cascade of transmitters.
class TSZadani : public QWidget {
  Q_OBJECT

 public:
  TSZadani(SessionController& session, CalculationState& state, Messages& messages,
           QWidget* parent = nullptr);
  ~TSZadani() override;

  // The settings dialogs the page's buttons and unit lists open.
  void SetDialogs(TFZadej* zadej, TFRadaTlakDif* radaTlakDif, TFZadej2* zadej2,
                  TFJmenoTekutiny* jmenoTekutiny);

  // The page as the start-up leaves it, and as a new calculation starts it.
  void ResetForStart();
  void ResetForNewCalculation();
  // A calculation put onto the page, as stored or imported.
  void ShowCalculationOnPage(const CalculationState& state);

  // The page as the engine's form, and the form put back onto the page.
  InputForm FormOfPage() const;
  void ShowForm(const InputForm& form);

  CalculationKind Kind() const;
  bool ElementMaterialOther() const;
  bool DpMaxBoxShown() const;

  // Any change of an input: unsaved, and the results no longer belong to the inputs.
  void MarkChanged();
  // The edits lose the marks of a run's refused values.
  void ClearMarks();
  void FocusFluidList();
  void ClearIdentification();
  void FillCompanyList(const std::vector<std::string>& names);
  // The bore of the chosen result, and the first transmitter it is shown with.
  void ShowSizedBore();
  void ShowFirstTransmitter(double range, double accuracy);
  // A stored bore result keeps the series value it was stored with as its typed maximum.
  void ShowStoredDpMax();
  // A calculation being edited takes the cascade the grid holds now, read and checked as for a run.
  bool ReadCascadeOfPage(int chosenEntry);
  // The hints of the three settings buttons, from the current settings.
  void RebuildButtonHints();

  void OpenValueDialog(ValuePurpose purpose);
  void OpenReferenceDialog(ReferencePurpose purpose);
  void Radahodnottlakovediference1Click();

 signals:
  // The kind of calculation changed: the results page lays out its grid for it.
  void KindChanged();
  // The page is to be shown, to correct something on it.
  void PageWanted();

 private:
  void ResetInputPage();
  bool ListIndexChanged(QComboBox* list, int index);
  void ApplyFluidLists();
  void ZobrazeniTvarovekNejistot();
  void ArrangeRowsForKind();
  void UpdateMaterialLabels();
  void FollowBox(QCheckBox* box, QLineEdit* edit, QComboBox* unit);
  void FollowPropertyBox(bool FluidControls::*forced, QCheckBox* box, QLineEdit* edit, QComboBox* unit);
  void SyncPropertyEdits();
  void FillMaterialLists();
  // A name that is not in the company list is shown as typed.
  void ShowCompany(const QString& name);
  void ShowCascadeGrid(const CascadeGrid& cascade);
  void ValueStored(ValuePurpose purpose);

  void CBTekutina5Change(int index);
  void CBPrimarniPrvekChange(int index);
  void cbDruhVypoctuChange(int index);
  void ChBProvozniTeplotaClick();
  void ChBMernaHmotnostClick();
  void ChBDynamickaViskozitaClick();
  void ChBIzentropickyExponentClick();
  void ChBSuchyVzduchClick();
  void ChBDifTlakMaxClick();
  void CBJednTlakHChange(int index);
  void CBJednMernaHmotnostChange(int index);
  void CBFlowUnitChange(int index);
  void CBJednProvozniTeplotaChange(int index);
  void CBJednViskozitaChange(int index);
  void CBJednDifTlakMaxHChange(int index);
  void CBJednPrumerPotrubiPri20CChange(int index);
  void cbMaterialPrimPrvkuChange(int index);
  void cbMaterialPotrubiChange(int index);
  void chbTvarovkaClick();
  void ChBNejistota05Click();
  void ChBNejistota02Click();
  void CBUtvarChange(int index);
  void BBTekutina7Click();
  void SGKaskada2Edited();

  std::unique_ptr<Ui::TSZadani> ui;
  SessionController& m_session;
  CalculationState& m_state;
  Messages& m_messages;
  PrimaryElementKind m_element = PrimaryElementKind::OrificeCorner;
  std::vector<QLineEdit*> m_numericEdits;
  std::vector<QCheckBox*> m_fittingBoxes;

  TFZadej* m_zadej = nullptr;
  TFRadaTlakDif* m_radaTlakDif = nullptr;
  TFZadej2* m_zadej2 = nullptr;
  TFJmenoTekutiny* m_jmenoTekutiny = nullptr;
};

}  // namespace pramo
