#pragma once

// The results table of the saved calculations, records 1 .. count in the
// order they were saved, every value as its record stores it:
//
//   Tw ──Do_Table──> one landscape page (TPrintObject)
//      ──resultsTableLines──> the head line and one ";"-separated line per record

#include <string>
#include <vector>

#include "print/print_object.h"
#include "windows/notebook_record.h"

namespace vexa {

// The whole page on a started TPrintObject with Arial 8 pt regular set.
void Do_Table(TPrintObject& Prn, const NotebookRecords& records, int count);

// The print job of "Wydruk tabeli": landscape, 0.8 inch margins, Do_Table.
void printResultsTable(Printer& printer, const NotebookRecords& records, int count);

// The lines of "Zapis tabeli", without line ends.
std::vector<std::string> resultsTableLines(const NotebookRecords& records, int count);

}  // namespace vexa
