#include "reports/PerMinuteTable.h"

namespace varnel::reports {

bool perMinuteTableNeedsBuild(store::ReportDatabase& db, const char* table) { return db.rowCount(table) <= 1; }

}  // namespace varnel::reports
