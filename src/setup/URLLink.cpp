// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/URLLink.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>

#include "platform/AnsiQString.h"
#include "setup/MousePointer.h"

namespace brevio {

namespace {

constexpr char kTrue[] = "True";
constexpr char kFalse[] = "False";

const char* BoolText(bool value) {
  return value ? kTrue : kFalse;
}

bool BoolFromText(const std::string& key, const std::string& text) {
  if (text == kTrue) return true;
  if (text == kFalse) return false;
  throw PropertyReadFailed("saved " + key + " is not a Boolean: " + text);
}

QFont LinkFont() {
  QFont font("MS Sans Serif");
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(8.25);
  font.setUnderline(true);
  return font;
}

}  // namespace

URLLink::URLLink(UrlOpener& opener, MessageDialog& dialog, QWidget* parent)
    : QWidget(parent), opener_(opener), dialog_(dialog), lblURL_(new QLabel(this)) {
  setFont(LinkFont());
  lblURL_->setObjectName("lblURL");
  lblURL_->setTextFormat(Qt::PlainText);
  lblURL_->setMargin(0);
  lblURL_->setIndent(0);
  QPalette palette = lblURL_->palette();
  palette.setColor(QPalette::WindowText, palette.color(QPalette::Highlight));
  lblURL_->setPalette(palette);
  lblURL_->setCursor(Qt::PointingHandCursor);
  lblURL_->installEventFilter(this);
  InitProperties();
}

std::string URLLink::Text() const {
  return ToAnsi(lblURL_->text());
}

void URLLink::SetText(const std::string& text) {
  lblURL_->setText(FromAnsi(text));
  lblURL_->setGeometry(
      QRect(QPoint(0, 0), QFontMetrics(font()).size(Qt::TextSingleLine, lblURL_->text())));
  emit PropertyChanged("Text");
}

void URLLink::SetURL(const std::string& url) {
  url_ = url;
  UpdateToolTip();
  emit PropertyChanged("URL");
}

void URLLink::SetShowToolTip(bool show) {
  showToolTip_ = show;
  UpdateToolTip();
  emit PropertyChanged("ShowToolTip");
}

void URLLink::UpdateToolTip() {
  lblURL_->setToolTip(showToolTip_ ? FromAnsi(url_) : QString());
}

void URLLink::InitProperties() {
  SetText(kDefaultText);
  url_ = kDefaultURL;
  SetShowToolTip(false);
}

void URLLink::ReadProperties(PropertyStore& store) {
  try {
    SetText(store.ReadProperty("Text", kDefaultText));
    url_ = store.ReadProperty("URL", kDefaultURL);
    SetShowToolTip(BoolFromText("ShowToolTip", store.ReadProperty("ShowToolTip", kFalse)));
  } catch (const PropertyReadFailed&) {
    InitProperties();
  }
}

void URLLink::WriteProperties(PropertyStore& store) const {
  store.WriteProperty("Text", Text(), kDefaultText);
  store.WriteProperty("URL", url_, kDefaultURL);
  store.WriteProperty("ShowToolTip", BoolText(showToolTip_), kFalse);
}

bool URLLink::eventFilter(QObject* watched, QEvent* event) {
  // The second press of a double click arrives as a double click, which opens nothing more.
  if (watched == lblURL_ && event->type() == QEvent::MouseButtonPress) {
    Press(static_cast<QMouseEvent*>(event)->buttons());
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void URLLink::Press(Qt::MouseButtons buttons) {
  if (!buttons.testFlag(Qt::LeftButton)) {
    SetDefaultMousePointer();
    return;
  }
  std::string address = url_;
  bool cancel = false;
  emit GotoURL(address, cancel);
  if (cancel) return;
  SetHourglassMousePointer();
  try {
    opener_.Open(address);
  } catch (const UrlOpenFailed& failure) {
    dialog_.Show(MessageIcon::None, ToAnsi(QGuiApplication::applicationDisplayName()),
                 "Unable to load '" + address + "' : " + failure.what() + " (Error " +
                     std::to_string(failure.number()) + ")");
  }
  SetDefaultMousePointer();
}

}  // namespace brevio
