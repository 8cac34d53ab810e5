// Text surgery on form files: the blocks of single objects, cut out of a whole form's text
// and put back into it. The clipboard carries controls in the form-file format, and a
// control's children are owned by the form, not by the control, so the writer's text of
// the whole form is the one place where a control and its children are written together.
#pragma once

#include <set>
#include <string>
#include <vector>

namespace designer {

// One "object Name: TClass ... end" block of a form text.
struct TObjectBlock {
    std::string Name;
    std::string ClassName;
    int Indent = 0;          // spaces before "object"
    std::size_t Begin = 0;   // offset of the block's first line
    std::size_t End = 0;     // offset just past its "end" line (with its line break)
};

// Every object block of Text, outermost first, in text order.
std::vector<TObjectBlock> ObjectBlocks(const std::string& Text);
// The block of the object named Name (case-insensitive), or nullptr's equivalent: false.
bool FindObjectBlock(const std::string& Text, const std::string& Name, TObjectBlock& Block);
// Text with every line's leading indentation changed by Delta spaces (negative removes).
std::string Reindent(const std::string& Text, int Delta);
// Renames every object of Text whose name is in Taken (case-insensitive) to the first
// free "<Base><n>"; the new names join Taken. Renamed holds old -> new, in order.
std::string RenameObjects(const std::string& Text, std::set<std::string>& Taken,
                          std::vector<std::pair<std::string, std::string>>& Renamed);
// The top-level blocks of a clipboard text (one or more objects at indentation 0).
std::vector<std::string> SplitTopLevelBlocks(const std::string& Text);
// Lower-case ASCII: component names compare that way.
std::string LowerName(const std::string& Name);

}  // namespace designer
