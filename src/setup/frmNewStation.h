// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;

namespace brevio {

// Sets up a station where the program found none: call, position and folder, checked and
// written as `brevio --new-station` does, the topics into `topicFolder` when one is given. What
// is wrong shows in the dialog, which stays open.
class frmNewStation : public QDialog {
 public:
  frmNewStation(const std::string& folder, std::optional<std::string> topicFolder = std::nullopt,
                QWidget* parent = nullptr);

  // The folder written to, once accepted.
  const std::optional<std::string>& Written() const { return written_; }

 private:
  void TryToWrite();

  QLineEdit* txtCall_;
  QLineEdit* txtPosition_;
  QLineEdit* txtFolder_;
  QLabel* lblProblem_;
  std::optional<std::string> topicFolder_;
  std::optional<std::string> written_;
};

// Shows the dialog over `parent`; the folder of the new station, or nothing when cancelled.
std::optional<std::string> OfferNewStation(QWidget& parent, const std::string& folder,
                                           const std::optional<std::string>& topicFolder);

}  // namespace brevio
