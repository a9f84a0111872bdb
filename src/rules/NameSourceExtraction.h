#pragma once

class Sheet;
struct NamePiece;

// Replaces the name source (J) of every data row by the piece of its old base name (B). The
// piece is always cut from B, so successive extractions replace each other instead of adding
// up. A piece that is not valid leaves J as it is. Returns whether J was written.
bool extractNameSource(Sheet& sheet, const NamePiece& piece);
