// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/frmAbout.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <cmath>

#include "platform/AnsiQString.h"
#include "setup/MousePointer.h"
#include "setup/URLLink.h"

namespace brevio {

namespace {

// The window's design is measured in twips, 1/1440 inch.
constexpr int kTwipsPerInch = 1440;
constexpr int kClientWidth = 6360;
constexpr int kClientHeight = 4020;

QFont DesignFont(bool bold) {
  QFont font("MS Sans Serif");
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(8.25);
  font.setBold(bold);
  return font;
}

std::string CopyrightShown(const std::string& copyright) {
  return copyright.empty() ? "Not set in Project!" : copyright;
}

}  // namespace

frmAbout::frmAbout(const std::string& programTitle, const std::string& copyright, UrlOpener& opener,
                   QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint),
      dpi_((parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen())
               ->logicalDotsPerInch()) {
  setObjectName("frmAbout");
  setAttribute(Qt::WA_DeleteOnClose);
  setFont(DesignFont(false));
  setFixedSize(Pixels(kClientWidth), Pixels(kClientHeight));

  AddLabel("Label1", PixelRect(840, 0, 5295, 375), true, programTitle);
  AddLabel("Label2", PixelRect(840, 480, 5295, 375), true, kAuthorLine);
  AddLabel("Label3", PixelRect(840, 960, 5295, 735), false, kDescription);
  AddLabel("Label8", PixelRect(840, 1800, 5295, 255), true, "More information on this website");
  AddLabel("Label4", PixelRect(120, 2400, 735, 255), true, "Legal");
  AddLabel("Label5", PixelRect(840, 2400, 5295, 495), false, CopyrightShown(copyright));
  AddLabel("Label6", PixelRect(840, 3000, 4095, 855), false, kDisclaimer);

  URLLink1_ = new URLLink(opener, linkDialog_, this);
  URLLink1_->setObjectName("URLLink1");
  URLLink1_->setGeometry(PixelRect(840, 2040, 5295, 255));
  URLLink1_->SetText(kWebAddress);
  URLLink1_->SetURL(kWebAddress);

  Command1_ = new QPushButton("&OK", this);
  Command1_->setObjectName("Command1");
  Command1_->setFont(DesignFont(true));
  Command1_->setGeometry(PixelRect(5280, 3480, 975, 375));
  connect(Command1_, &QPushButton::clicked, this, &QWidget::close);

  CentreOnScreen();
  setWindowTitle("About " + FromAnsi(programTitle));
}

int frmAbout::Pixels(int twips) const {
  return static_cast<int>(std::lround(twips * dpi_ / kTwipsPerInch));
}

QRect frmAbout::PixelRect(int left, int top, int width, int height) const {
  return QRect(Pixels(left), Pixels(top), Pixels(width), Pixels(height));
}

QLabel* frmAbout::AddLabel(const char* name, const QRect& place, bool bold,
                           const std::string& text) {
  auto* label = new QLabel(FromAnsi(text), this);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setFont(DesignFont(bold));
  label->setGeometry(place);
  return label;
}

void frmAbout::CentreOnScreen() {
  const QRect area =
      (parentWidget() != nullptr ? parentWidget()->screen() : QGuiApplication::primaryScreen())
          ->geometry();
  const QSize size = frameGeometry().size();
  move(area.x() + static_cast<int>(std::lround((area.width() - size.width()) / 2.0)),
       area.y() + static_cast<int>(std::lround((area.height() - size.height()) / 2.0)));
}

void frmAbout::closeEvent(QCloseEvent* event) {
  SetDefaultMousePointer();
  event->accept();
}

}  // namespace brevio
