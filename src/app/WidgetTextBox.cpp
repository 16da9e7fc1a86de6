// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WidgetTextBox.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>

#include "platform/AnsiQString.h"
#include "platform/TerminalText.h"

namespace brevio {

std::string WidgetTextBox::Name() const {
  return widget_.objectName().toStdString();
}

void WidgetTextBox::KeepLast(std::size_t count) {
  if (content_.size() <= count) return;
  content_.erase(0, content_.size() - count);
  widget_.setPlainText(FromAnsi(TerminalText(content_)));
}

void WidgetTextBox::Append(std::string_view text) {
  content_ += text;
  QTextCursor end(widget_.document());
  end.movePosition(QTextCursor::End);
  end.insertText(FromAnsi(TerminalText(text)));
  widget_.verticalScrollBar()->setValue(widget_.verticalScrollBar()->maximum());
}

}  // namespace brevio
