#pragma once
// A window's loaded skin files. A skin file is a Qt style sheet read through
// the archive; each file is loaded once per window.

#include <QString>
#include <QWidget>
#include <vector>

// One loaded skin file (the skin engine's theme link).
struct TSkinLink {
    QString fileName;   // file name without folder
    QString styleSheet; // empty when the file was found nowhere
};

class TSkSkin {
public:
    explicit TSkSkin(QWidget* window) : owner(window) {}
    // Loads a skin file unless one of the same file name (without folder,
    // any ASCII case) is loaded already; true when it loaded it now.
    bool AddSkin(const QString& path);
    // The link of the loaded file with the same file name, or null.
    const TSkinLink* FindSkin(const QString& name) const;

private:
    QWidget* owner;
    std::vector<TSkinLink> links;
};
