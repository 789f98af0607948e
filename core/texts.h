#pragma once

#include <QCoreApplication>

// The translation of a text in context, kept by each thread until a translator is installed or
// removed: a reason that every projection gives (a price search makes thousands) is then not
// looked up and decoded every time. For a text that stands in the program as a literal, marked
// with QT_TRANSLATE_NOOP where it is written: it is known by its address.
[[nodiscard]] QString keptTranslation(const char *context, const char *sourceText);

// The translation contexts of the texts outside the windows (which have tr() of their own), each
// with its tr(), and kept() for the texts given again and again. A text kept in a table or a
// constant is marked with QT_TRANSLATE_NOOP(context, ...), where lupdate finds it, and translated
// by its context's tr() or kept() where it is shown.
class AnalysisText
{
    Q_DECLARE_TR_FUNCTIONS(Analysis)
public:
    [[nodiscard]] static QString kept(const char *sourceText)
    {
        return keptTranslation("Analysis", sourceText);
    }
};

class ProjectionText
{
    Q_DECLARE_TR_FUNCTIONS(Projection)
public:
    [[nodiscard]] static QString kept(const char *sourceText)
    {
        return keptTranslation("Projection", sourceText);
    }
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
