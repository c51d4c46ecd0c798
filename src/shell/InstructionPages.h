#pragma once

// The five fixed pages of the on-line instruction viewer: their text and the
// few terms that the viewer sets in bold, italic or colour.

#include <QRgb>
#include <QString>

#include <optional>
#include <vector>

enum class InstructionPage { About, Documentation, DetailedInstructions, GeneralInstructions, SpecialKeys };

// The whole page as one text. Lines are separated by "\r\n"; sections are
// separated by an empty line and sub-points are indented with blanks.
QString instructionPageText(InstructionPage page);

// One emphasised term. The viewer emphasises the first occurrence of the term
// in the page text (searching from the start), with the given style.
struct Emphasis {
    QString term;
    bool bold = false;
    bool italic = false;
    std::optional<QRgb> colour; // text colour; none keeps the page colour
};

// The terms of a page in the order in which they are applied; empty for the
// pages without emphasis.
std::vector<Emphasis> instructionPageEmphasis(InstructionPage page);
