// The gallery's pages, in the order the page list shows them. A page is a function in its
// own file, pages/<Name>Page.cpp; adding one is that file plus one line here:
//   GALLERY_PAGE(BuildFunction, "file-name", "Title", "One line about it")
GALLERY_PAGE(BuildDataGridPage, "data-grid", "Data grid",
             "A price list in an editable string grid; right-click a cell for its menu")
GALLERY_PAGE(BuildTextEntryPage, "text-entry", "Text entry",
             "Edit fields, a memo, combo boxes and check boxes on a customer record")
GALLERY_PAGE(BuildFolderTreePage, "folder-tree", "Folder tree",
             "The folder tree on sample folders: branches read as they open, folders made and removed")
GALLERY_PAGE(BuildButtonsPage, "buttons", "Buttons and dialogs",
             "Speed buttons, a popup menu on right click and the colour dialog")
GALLERY_PAGE(BuildLiveValuesPage, "live-values", "Live values",
             "A timer moving values: a trend chart and a load figure updated twice a second")
GALLERY_PAGE(BuildNumberEntryPage, "number-entry", "Number entry",
             "Numeric edit fields in every number notation with ranges and live read-back")
GALLERY_PAGE(BuildNumericFieldsPage, "numeric-fields", "Numeric fields",
             "A bench supply: fields with spin buttons, pivots and gauges; readings in many formats, live")
GALLERY_PAGE(BuildMeterPage, "instruments", "Instruments",
             "Analog meters, seven-segment readouts and bar graphs, moving live; point at a scale to read it")
GALLERY_PAGE(BuildMessageBoardPage, "message-board", "Message board",
             "Dot-matrix displays of a station: scrolling news, departures, a rising notice, a rasterised font")
GALLERY_PAGE(BuildSelectorsPage, "plot-styles", "Plot styles",
             "A colour selector and a mark selector styling a plot with rotated axis titles over a gradient")
GALLERY_PAGE(BuildSwitchesPage, "switches", "Switches",
             "On/off buttons of every style, a mode group, a horn held down and a setpoint stepped by repeating buttons")
GALLERY_PAGE(BuildCalendarPage, "calendar", "Calendars",
             "Month calendars with holidays in English, German, French and Spanish; click a day or step by month and year")
GALLERY_PAGE(BuildPictureBrowserPage, "picture-browser", "Picture browser",
             "A folder tree beside thumbnails of the pictures in the chosen folder; double-click marks a favourite")
GALLERY_PAGE(BuildReportListPage, "report-list", "Report list",
             "100,000 orders: click a header to sort, type to filter, double-click a row to edit it")
GALLERY_PAGE(BuildTableEditorPage, "table-editor", "Table editor",
             "Water samples in a numeric table editor: marked readings, a site column with a pick list, right-click menus")
GALLERY_PAGE(BuildDragDockPage, "drag-dock", "Drag and dock",
             "Parts dragged between two lists into a shipment; a totals panel floats out of its dock and docks again")
