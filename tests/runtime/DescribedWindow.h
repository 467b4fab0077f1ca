#pragma once
// A described window for tests: a temporary program folder holding the
// description file, a recording platform, the window and its runtime.

#include "SkinControl/uFORM.h"
#include "runtime/skUseStract.h"
#include "support/TestSupport.h"

#include <memory>

struct DescribedWindow {
    TempAppFolder folder;
    RecordingPlatformGuard rec;
    TfrmFORM form;
    std::unique_ptr<TSkStract> rt;

    // Writes the whole description text as test.txt; build() builds it.
    explicit DescribedWindow(const QString& text, const QString& file = "test.txt") {
        folder.writeText(file, text);
        rt = std::make_unique<TSkStract>(&form, file);
    }
    void build() { rt->Build(); }
    // An object by name, without reporting a miss.
    template <typename T = QObject> T* object(const QString& name) {
        const bool was = rt->MessagesEnabled();
        rt->SetMessagesEnabled(false);
        QObject* o = rt->GetControl(name);
        rt->SetMessagesEnabled(was);
        return dynamic_cast<T*>(o);
    }
};

// A form section followed by the given object sections.
inline QString WithForm(const QString& objects) { return "[main]\ntype=form\n" + objects; }

// A described window whose form and objects are built at once.
struct BuiltWindow : DescribedWindow {
    explicit BuiltWindow(const QString& objects, const QString& extraFile = {}, const QString& extraText = {})
        : DescribedWindow(WithForm(objects)) {
        if (!extraFile.isEmpty()) folder.writeText(extraFile, extraText);
        build();
    }
};
