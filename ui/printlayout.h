#pragma once

class QTextDocument;

// Lays a printout out for its pages after its HTML is set: a table wider than the page is set in
// a smaller type until it fits (down to a size that still reads), and a heading, or the first
// rows of a table, never stand alone at the bottom of a page: they move to the next one with
// what follows them. Tables whose first rows are a <thead> repeat those rows on every page.
void fitToPages(QTextDocument &document);

// The smallest type a printed table is set in to fit the page's width, in points.
inline constexpr double SmallestPrintedPoints = 6.5;
