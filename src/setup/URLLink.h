// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <string>

#include "base/MessageDialog.h"
#include "setup/PropertyStore.h"
#include "setup/UrlOpener.h"

class QLabel;

namespace brevio {

// A line of text styled as a hyperlink; pressing the left mouse button on the text opens the
// link's address. Only the text (the label lblURL) reacts to the mouse, not the rest of the
// control. Texts are ANSI.
class URLLink : public QWidget {
  Q_OBJECT

 public:
  static constexpr char kDefaultText[] = "Brevio on the web";
  static constexpr char kDefaultURL[] = "https://brevio.example.org";

  // A new control: the default text and address, no tool tip. Failures to open an address are
  // shown through `dialog`.
  URLLink(UrlOpener& opener, MessageDialog& dialog, QWidget* parent = nullptr);

  std::string Text() const;
  // Sets the caption and sizes the label to it, at the control's top-left corner.
  void SetText(const std::string& text);

  std::string URL() const { return url_; }
  void SetURL(const std::string& url);

  bool ShowToolTip() const { return showToolTip_; }
  // With the flag set, the label's tool tip shows the address.
  void SetShowToolTip(bool show);

  // The values of a new control.
  void InitProperties();
  // Takes the saved values; when they cannot be read, the values of a new control.
  void ReadProperties(PropertyStore& store);
  // Saves the three properties; each value equal to its default is left out.
  void WriteProperties(PropertyStore& store) const;

 signals:
  // Raised by each left press on the text, before anything is opened. A handler may replace
  // `address` for this press only, or set `cancel` to open nothing. Connect it directly.
  void GotoURL(std::string& address, bool& cancel);

  // A property changed, so saved state of the control is out of date.
  void PropertyChanged(const QString& name);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Press(Qt::MouseButtons buttons);
  void UpdateToolTip();

  UrlOpener& opener_;
  MessageDialog& dialog_;
  QLabel* lblURL_;
  std::string url_;
  bool showToolTip_ = false;
};

}  // namespace brevio
