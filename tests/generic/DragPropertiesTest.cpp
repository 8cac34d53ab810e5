// The drag and dock properties and events each component's documentation lists among what it
// republishes are in its property table, so form files and the inspector reach them.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/Classes.h"

using namespace vcl;

namespace {

struct Listed {
    const char* ClassName;
    std::vector<const char*> Names;
};

TEST(DragProperties, ComponentsPublishTheDragAndDockPropertiesTheyList) {
    const std::vector<Listed> lists{
        {"TReportListView", {"DragCursor", "DragKind", "DragMode", "OnEndDock", "OnStartDock", "OnStartDrag",
                             "OnDragDrop", "OnDragOver", "OnEndDrag"}},
        {"TMeter", {"DragCursor", "DragKind", "DragMode", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnStartDrag"}},
        {"TRotLab", {"DragCursor", "DragKind", "DragMode", "OnDragDrop", "OnDragOver", "OnEndDock", "OnEndDrag",
                     "OnStartDock", "OnStartDrag"}},
        {"TThumbnails", {"DragCursor", "DragMode", "OnStartDrag", "OnDragDrop", "OnEndDrag", "OnDragOver"}},
    };
    for (const Listed& l : lists) {
        const TClassInfo* cls = GetClass(l.ClassName);
        ASSERT_NE(cls, nullptr) << l.ClassName;
        for (const char* name : l.Names) {
            const TPropInfo* p = cls->FindProperty(name);
            ASSERT_NE(p, nullptr) << l.ClassName << "." << name;
            const bool isEvent = std::string(name).rfind("On", 0) == 0;
            EXPECT_EQ(p->Kind == pkEvent, isEvent) << l.ClassName << "." << name;
        }
        // The defaults: no drag, the drag cursor, an ordinary drag.
        std::unique_ptr<TComponent> c(cls->Create(nullptr));
        EXPECT_EQ(cls->FindProperty("DragMode")->GetAsText(*c), "dmManual") << l.ClassName;
        EXPECT_EQ(cls->FindProperty("DragCursor")->GetAsText(*c), "-12") << l.ClassName;
        if (const TPropInfo* kind = cls->FindProperty("DragKind")) {
            EXPECT_EQ(kind->GetAsText(*c), "dkDrag") << l.ClassName;
        }
    }
}

}  // namespace
