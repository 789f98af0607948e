#pragma once

#include <QCoreApplication>

// The translation contexts of the texts outside the windows (which have tr() of their own), each
// with its tr(). A text kept in a table or a constant is marked with QT_TRANSLATE_NOOP(context,
// ...), where lupdate finds it, and translated by its context's tr() where it is shown.
class AnalysisText
{
    Q_DECLARE_TR_FUNCTIONS(Analysis)
};

class ProjectionText
{
    Q_DECLARE_TR_FUNCTIONS(Projection)
};

class ReadNoticeText
{
    Q_DECLARE_TR_FUNCTIONS(ReadNotice)
};

class CommandText
{
    Q_DECLARE_TR_FUNCTIONS(main)
};

class CommandFilesText
{
    Q_DECLARE_TR_FUNCTIONS(CommandFiles)
};
