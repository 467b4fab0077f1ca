#pragma once
// A text label that can shorten its caption word by word, wrap, size itself
// to its text and look like a link.

#include "SkinControl/skControl.h"

#include <QLabel>

class TSkLabel : public QLabel, public TSkControl {
    Q_OBJECT
public:
    explicit TSkLabel(QWidget* parent);

    void SetCaption(const QString& caption);
    QString Caption() const { return caption; }

    // Longest caption length shown; 0: no limit.
    int CutLength() const { return cutLength; }
    void SetCutLength(int length);
    void SetWordWrap(bool on);
    void SetAutoSize(bool on);
    bool AutoSize() const { return autoSize; }
    // A link look (underlined, pointing-hand cursor); empty removes it.
    void SetUrl(const QString& url);
    QString Url() const { return url; }

    QWidget* skWidget() override { return this; }

private:
    void updateText();
    QString caption;
    QString url;
    int cutLength = 0;
    bool autoSize = true;
};
