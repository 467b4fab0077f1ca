#include "SkinControl/skLabel.h"

TSkLabel::TSkLabel(QWidget* parent) : QLabel(parent) {}
void TSkLabel::SetCaption(const QString& c) { caption = c; setText(c); }
void TSkLabel::SetCutLength(int length) { cutLength = length; }
void TSkLabel::SetWordWrap(bool on) { setWordWrap(on); }
void TSkLabel::SetAutoSize(bool on) { autoSize = on; }
void TSkLabel::SetUrl(const QString& u) { url = u; }
void TSkLabel::updateText() {}
