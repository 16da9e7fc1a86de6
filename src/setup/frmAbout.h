// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <string>

#include "platform/WidgetMessageDialog.h"
#include "setup/UrlOpener.h"

class QLabel;
class QPushButton;

namespace brevio {

class URLLink;

// The about window: the program and its version, its author, what it does, the copyright and a
// link to the web site. It stays above all other windows and does not block the main window.
// It deletes itself when closed.
class frmAbout : public QWidget {
  Q_OBJECT

 public:
  static constexpr char kAuthorLine[] = "Written by the Brevio team";
  static constexpr char kDescription[] =
      "This UI-View32 add-on implements a so called Brevio server.";
  static constexpr char kWebAddress[] = "https://brevio.example.org";
  static constexpr char kDisclaimer[] =
      "This program comes without any warranty. You use it at your own risk.";

  // Loads the window with its texts, placed at the centre of the screen, ready to be shown.
  // `copyright` is the copyright text of the program's version information; links are opened
  // through `opener`.
  frmAbout(const std::string& programTitle, const std::string& copyright, UrlOpener& opener,
           QWidget* parent = nullptr);

  URLLink* URLLink1() const { return URLLink1_; }
  QPushButton* Command1() const { return Command1_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  int Pixels(int twips) const;
  QRect PixelRect(int left, int top, int width, int height) const;
  QLabel* AddLabel(const char* name, const QRect& place, bool bold, const std::string& text);
  void CentreOnScreen();

  WidgetMessageDialog linkDialog_{this};
  double dpi_;
  URLLink* URLLink1_ = nullptr;
  QPushButton* Command1_ = nullptr;
};

}  // namespace brevio
