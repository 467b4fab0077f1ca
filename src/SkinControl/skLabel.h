#pragma once
// A text label that can shorten its caption word by word to fit its width,
// wrap, size itself to its text and look like a link.

#include "SkinControl/skControl.h"

#include <QLabel>

class TSkLabel : public QLabel, public TSkControl {
    Q_OBJECT
public:
    explicit TSkLabel(QWidget* parent);

    // Sets the full caption and lays it out again (ApplyCaption).
    void SetCaption(const QString& caption);
    QString Caption() const { return fullCaption; }
    QString FullCaption() const { return fullCaption; }

    // On: the caption is shortened word by word, with "...", to fit the width.
    bool CutLength() const { return cutLength; }
    void SetCutLength(bool on);
    // Shows the full caption, or as many leading words as fit followed by "...".
    void ApplyCaption();
    void SetWordWrap(bool on);
    // On: the label sizes itself to its caption (height only when wrapping).
    bool AutoSize() const { return autoSize; }
    void SetAutoSize(bool on);
    // Underlined pure blue text and a pointing-hand cursor, or plain text
    // (no bold, italic or underline) in the window-text colour.
    bool UrlLook() const { return urlLook; }
    void SetUrlLook(bool on);

    QWidget* skWidget() override { return this; }

protected:
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    QString fittedCaption() const;
    void fitToText();
    QString fullCaption;
    bool cutLength = false;
    bool autoSize = true;
    bool urlLook = false;
    bool fitting = false;
};
