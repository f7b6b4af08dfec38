#include "windows/notebook_printout.h"

#include "print/text_stream.h"

namespace vexa {
namespace {

const std::string kIndent(27, ' ');
constexpr FontStyle kPlain{};
constexpr FontStyle kBoldUnderlined{.bold = true, .underline = true};
constexpr FontStyle kItalicUnderlined{.italic = true, .underline = true};
constexpr FontStyle kItalic{.italic = true};

bool holds(const std::string& line, const char* marker) { return line.find(marker) != std::string::npos; }

// One line written in `style` after a plain indent.
void writeStyled(PrinterTextStream& stream, const std::string& line, FontStyle style) {
    stream.write(kIndent);
    stream.setStyle(style);
    stream.write(line);
    stream.endLine();
    stream.setStyle(kPlain);
}

}  // namespace

void printNotebook(Printer& printer, const std::vector<std::string>& notebook) {
    printer.setDocumentName("Vexa - notatnik");
    PrinterTextStream stream(printer);
    stream.setFont("ARIAL CE", 12);
    stream.setStyle(kPlain);
    stream.open();
    for (int n = 0; n < 3; ++n) stream.endLine();
    stream.write(kIndent);
    stream.setStyle(kBoldUnderlined);
    if (!notebook.empty()) stream.write(notebook[0]);
    stream.endLine();
    stream.endLine();

    stream.setFont("ARIAL CE", 10);
    stream.setStyle(kPlain);
    int titles = 0;
    for (std::size_t n = 2; n < notebook.size(); ++n) {
        const std::string& line = notebook[n];
        if (holds(line, "--------")) {
            stream.endLine();
        } else if (holds(line, "Odcinek")) {
            ++titles;
            if (titles % 3 == 1 && titles > 3) {
                stream.formFeed();
                for (int empty = 0; empty < 8; ++empty) stream.endLine();
            }
            stream.write(kIndent);
            stream.setStyle(kBoldUnderlined);
            stream.write(line);
            // The underline runs on past the title.
            stream.write(kIndent);
            stream.write(kIndent);
            stream.endLine();
            stream.setStyle(kPlain);
        } else if (holds(line, "Wyniki dla")) {
            writeStyled(stream, line, kItalicUnderlined);
        } else if (holds(line, "kryter")) {
            writeStyled(stream, line, kItalic);
        } else {
            stream.write(kIndent + line);
            stream.endLine();
        }
    }
    stream.close();
}

}  // namespace vexa
