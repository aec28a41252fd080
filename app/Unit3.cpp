#include "app/Unit3.h"

namespace tessel::unit3 {

TForm3* Form3 = nullptr;
std::string TempDir;
TContentTable ContentTable;
int32_t LinkCount = 0;

void Finalize()
{
    Form3 = nullptr;
    TempDir.clear();
    ContentTable = TContentTable();
    LinkCount = 0;
}

} // namespace tessel::unit3
