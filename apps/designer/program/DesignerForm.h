// The designer's main window: a tool bar (New, Open, Save, Save As and the file saved to), the
// palette of registered classes, the design surface and the object inspector.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "apps/designer/model/DesignModel.h"
#include "apps/designer/model/PropertyRows.h"
#include "apps/designer/model/RecentFiles.h"
#include "apps/designer/program/DesignSurface.h"
#include "apps/designer/program/PaletteBox.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"

namespace zyn { class TColSel; }

namespace designer {

// Palette groups: the classes a form can hold, by what kind of component they are.
struct TPaletteGroup {
    std::string Title;
    std::vector<std::string> Classes;
};
std::vector<TPaletteGroup> PaletteGroups();

class TDesignerForm : public vcl::TForm {
public:
    // RecentPath: the file of the recent-files list ("" keeps none).
    explicit TDesignerForm(vcl::TComponent* AOwner, const std::string& RecentPath = TRecentFiles::DefaultPath());
    ~TDesignerForm() override;
    std::string ClassName() const override { return "TDesignerForm"; }

    TDesignModel& Model() { return model_; }
    // New / Open / Save / Save As, each asking first when unsaved changes would be lost.
    void NewForm();
    void OpenForm(const std::string& FileName);
    bool SaveForm();
    bool SaveFormAs(const std::string& FileName);
    // The Open and Save As buttons: the file dialog asks for the name (in the folder of the
    // file worked on), then OpenForm or SaveFormAs runs. False when cancelled or failed.
    bool OpenWithDialog();
    bool SaveAsWithDialog();
    // Asks whether to save unsaved changes: false when the user cancels.
    bool ConfirmDiscard();
    // Runs the design as the application would: a form read from the design's text, in a
    // window of its own with its input live (the designed form stays in design mode). A
    // second Preview replaces the first. Returns the running form.
    vcl::TCustomForm* Preview();
    vcl::TCustomForm* PreviewForm() const { return preview_.get(); }
    // The tab order editor for the selection's container.
    void EditTabOrder();
    const TRecentFiles& RecentFiles() const { return recent_; }
    // The inspector's parts, for tests: the property rows, the value field and the colour
    // selector a colour row shows.
    vcl::TListBox* PropertyList() const { return rows_; }
    vcl::TEdit* ValueEdit() const { return valueEdit_; }
    zyn::TColSel* ColorEditor() const { return colorBox_; }
    // The palette: group titles and the classes a form can hold, each with its icon.
    TPaletteBox* Palette() const { return palette_; }
    // Picks the inspector row of Path (false when the inspected component has none).
    bool ChooseRow(const std::string& Path);
    bool CloseQuery() override;
    // What window tests read: "key=value" lines with the rectangles (client coordinates of
    // this window) of palette items, inspector rows and buttons, the selection, the file.
    std::string StateText() const;

private:
    void BuildToolBar();
    void BuildPalette();
    void BuildInspector();
    void Refresh();
    void RefreshInspector();
    void RowChosen();
    void ApplyValue(const std::string& Text);
    void ChoiceChosen();
    void ColorChosen();
    void RefreshRecent();
    void Remember(const std::string& FileName);
    vcl::TComponent* Inspected() const;

    TDesignModel model_;
    TInspector inspector_{model_};
    TDesignSurface* surface_ = nullptr;
    TPaletteBox* palette_ = nullptr;
    vcl::TEdit* fileEdit_ = nullptr;
    vcl::TLabel* status_ = nullptr;
    vcl::TLabel* inspectedLabel_ = nullptr;
    vcl::TListBox* rows_ = nullptr;
    vcl::TEdit* valueEdit_ = nullptr;
    vcl::TListBox* choices_ = nullptr;
    vcl::TButton* propertiesTab_ = nullptr;
    vcl::TButton* eventsTab_ = nullptr;
    vcl::TButton* setButton_ = nullptr;
    vcl::TButton* saveButton_ = nullptr;
    vcl::TButton* previewButton_ = nullptr;
    vcl::TComboBox* recentBox_ = nullptr;
    zyn::TColSel* colorBox_ = nullptr;
    TRecentFiles recent_;
    std::unique_ptr<vcl::TCustomForm> preview_;
    std::vector<TInspectorRow> shownRows_;
    bool events_ = false;
    bool refreshing_ = false;
};

}  // namespace designer
