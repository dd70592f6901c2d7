// A small HTML writer on top of the fragment buffer. Texts are written as
// given: callers escape what needs escaping.
#pragma once

#include <string>

#include "generate/FileGenerator.h"

class THtmlGenerator : public FileGenerator {
public:
    void BeginDocument();
    void EndDocument();
    void Heading(const std::string& text, int level, const std::string& align);
    void LineBreaks(int count);
    void BeginList(bool ordered);
    void EndList(bool ordered);
    // Returns the list item text; appends nothing.
    std::string ListItem(const std::string& text) const;
    void Link(const std::string& target, const std::string& text);
    // Without a line end: the table that follows starts on the same line.
    void Anchor(const std::string& name, const std::string& text);
    // A non-zero border is always written as 3.
    void BeginTable(int border, const std::string& caption, const std::string& align);
    void EndTable();
    void BeginRow();
    void EndRow();
    void Cell(const std::string& text, const std::string& align, bool header, const std::string& colour);
};

// &, < and > as entities, for text placed into the page.
std::string HtmlEscape(const std::string& text);
