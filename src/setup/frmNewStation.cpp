// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/frmNewStation.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include "platform/UserHostFolderSetting.h"
#include "platform/UserProgramFolderSetting.h"
#include "setup/NewStation.h"

namespace brevio {

namespace {

QLineEdit* AddField(QFormLayout& form, const char* name, const QString& label,
                    const QString& text) {
  auto* field = new QLineEdit(text);
  field->setObjectName(name);
  form.addRow(label, field);
  return field;
}

}  // namespace

frmNewStation::frmNewStation(const std::string& folder, std::optional<std::string> topicFolder,
                             QWidget* parent)
    : QDialog(parent), topicFolder_(std::move(topicFolder)) {
  setObjectName("frmNewStation");
  setWindowTitle("New station");
  auto* form = new QFormLayout(this);
  form->addRow(new QLabel("This folder holds no station yet. Set one up:"));
  txtCall_ = AddField(*form, "txtCall", "Call sign", "");
  txtCall_->setPlaceholderText("N0CALL-10");
  txtPosition_ = AddField(*form, "txtPosition", "Position", "");
  txtPosition_->setPlaceholderText("4903.50N 07201.75W, 49.0583 -72.0292 or FN29bb");
  txtFolder_ = AddField(*form, "txtFolder", "Folder", QString::fromStdString(folder));
  lblProblem_ = new QLabel;
  lblProblem_->setObjectName("lblProblem");
  lblProblem_->setWordWrap(true);
  // Wide enough that a refusal with its accepted forms reads in a few lines.
  setMinimumWidth(520);
  form->addRow(lblProblem_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->setObjectName("buttons");
  form->addRow(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &frmNewStation::TryToWrite);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void frmNewStation::TryToWrite() {
  NewStation station;
  const std::string folder = txtFolder_->text().trimmed().toStdString();
  std::string problem = folder.empty()
                            ? "give the folder of the new station"
                            : ReadNewStation(txtCall_->text().trimmed().toStdString(),
                                             txtPosition_->text().toStdString(), station);
  const std::string topicFolder = topicFolder_.value_or(folder);
  if (problem.empty()) problem = WriteNewStation(folder, topicFolder, station);
  if (problem.empty() &&
      !(UserHostFolderSetting::Store(folder) && UserProgramFolderSetting::Store(topicFolder))) {
    problem = "the folder settings cannot be stored";
  }
  if (!problem.empty()) {
    lblProblem_->setText(QString::fromStdString(problem));
    // The dialog grows with its message, so that the whole of it shows.
    adjustSize();
    return;
  }
  written_ = folder;
  accept();
}

std::optional<std::string> OfferNewStation(QWidget& parent, const std::string& folder,
                                           const std::optional<std::string>& topicFolder) {
  frmNewStation dialog(folder, topicFolder, &parent);
  dialog.exec();
  return dialog.Written();
}

}  // namespace brevio
