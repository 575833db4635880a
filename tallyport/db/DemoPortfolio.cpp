#include "DemoPortfolio.h"

#include "DbTransaction.h"
#include "HostDatabase.h"

#include <SQLiteCpp/Database.h>

namespace tp {
namespace {

constexpr const char* DemoRows = R"SQL(
INSERT INTO Company VALUES ('Maple Ridge Property Management', 'office@mapleridge.example',
  '555-0100', '555-0101');

INSERT INTO Owners (OwnerID, OFirstName1, OLastName1, OFirstName2, OLastName2, OAddress1, OAddress2,
  OCity, OState, OZip, OPhone1, OPhone2, OEmail1, OPercent2, OMgmtFee, OACH, OCurrBal) VALUES
 (1, 'Ann', 'Lee', 'Tom', 'Lee', '12 Oak St', 'Suite 4', 'Springfield', 'IL', '62701', '555-0110',
  NULL, 'ann.lee@example.com', '50', '8%', 'Y', 0),
 (2, '', 'Harbor Holdings LLC', NULL, NULL, '300 Harbor Rd', NULL, 'Portland', 'ME', '04101',
  '555-0120', '555-0121', NULL, NULL, '75', 'N', 1200.5),
 (3, '  Carlos ', 'Mendez', NULL, NULL, '5 Cedar Ln', '', 'Austin', 'TX', '78701', '555-0130',
  NULL, 'carlos@example.com', '0', '10%', 'Y', -40),
 (4, 'Dana', 'Brooks', NULL, NULL, '77 Birch Ave', NULL, 'Madison', 'WI', '53703', NULL, NULL,
  NULL, NULL, '', NULL, 0);

INSERT INTO Properties VALUES
 (10, 1, 'Oak Court', '12 Oak St', '', 'Springfield', 'IL', '62701', 0),
 (11, 1, 'Elm Terrace', '40 Elm St', 'Building B', 'Springfield', 'IL', NULL, 0),
 (20, 2, 'Harbor View Apartments', '300 Harbor Rd', NULL, 'Portland', 'ME', '04101', 0),
 (30, 3, 'Cedar Flats', '5 Cedar Ln', NULL, 'Austin', 'TX', '78701', 0),
 (31, 3, 'Pine House', '9 Pine St', NULL, 'Austin', 'TX', '78702', 0);

INSERT INTO Tenants (TenantID, TPropID, TFirstName1, TLastName1, TAddress, TCity, TState, TZip,
  TEmail1, TEmail2, TStartDate, TPayment, TACH, TCurrBal) VALUES
 (101, 10, 'Maria', 'Garcia', '12 Oak St Apt 1', 'Springfield', 'IL', '62701',
  'maria.garcia@example.com', NULL, '2021-03-01', 1250, 'Y', 0),
 (102, 10, 'James', 'Wilson', '12 Oak St Apt 2', 'Springfield', 'IL', '62701', NULL, NULL,
  '2020-06-15', 1100, 'N', 150.5),
 (103, 11, 'Priya', 'Patel', '40 Elm St Unit 1', 'Springfield', 'IL', NULL,
  'priya@example.com', 'p.patel@example.org', '2022-01-01', 1400, 'Y', -35.75),
 (104, 11, 'VACANT', '', NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, '', 0),
 (105, 20, 'Robert', 'Chen', '300 Harbor Rd #5', 'Portland', 'ME', '04101', NULL, NULL,
  '2019-09-01', 950, 'D', 0),
 (106, 20, 'Linda', 'Okafor', '300 Harbor Rd #6', 'Portland', 'ME', '04101',
  'linda@example.com', NULL, '2023-02-01', 1000, NULL, 0),
 (107, 30, 'Sam', 'Taylor', '5 Cedar Ln A', 'Austin', 'TX', '78701', 'sam@example.com', NULL,
  '2018-11-20', 875.25, 'Y', 0),
 (108, 30, 'Emily', 'Nguyen', '5 Cedar Ln B', 'Austin', 'TX', '78701', 'emily@example.com', NULL,
  '2024-05-01', 910, 'Y', 25),
 (109, 30, 'Noah', 'Unhoused', NULL, NULL, NULL, NULL, NULL, NULL, '2024-07-01', 0, 'Y', 0);

INSERT INTO Units VALUES
 (101, '12 Oak St Apt 1', '1', 0), (102, '12 Oak St Apt 2', '2', 150.5),
 (103, '40 Elm St Unit 1', '1', -35.75), (104, '40 Elm St Unit 2', '2', 0),
 (105, '300 Harbor Rd #5', '5', 0), (106, '300 Harbor Rd #6', '6', 0),
 (107, '5 Cedar Ln A', 'A', 0), (108, '5 Cedar Ln B', 'B', 25);

INSERT INTO Vendors VALUES
 (1, 'Ace Plumbing', 'Bob Ace', '18 Pipe Rd', 'Unit 2', 'Springfield', 'IL', '62702', '555-0150',
  NULL, 'bob@aceplumbing.example', 'Y'),
 (2, 'Bright Electric', 'Eve Bright', '9 Volt Way', NULL, 'Portland', 'ME', '04102', '555-0160',
  NULL, NULL, 'N'),
 (3, 'Green Lawn Care', 'Gus Green', '1 Meadow Dr', NULL, 'Austin', 'TX', '78703', '555-0170',
  '555-0171', 'gus@greenlawn.example', 'Y');

INSERT INTO CheckEntered (CkID, CkNumber, CkPayee, CkAccountID, CkAmount, CkDate, CkInvoice,
  CkRemark, CkStatus, CkVendorID, CkPostTo, CkPostToID, CkType, CkSplit) VALUES
 (1, 5001, 'Ann Lee', NULL, 500, '2026-12-01', '', 'Owner draw', 'O', 0, 'O', 1, 'C', 'Y'),
 (2, 5002, 'Ace Plumbing', NULL, 320, '2026-12-02', 'INV-881', 'Repairs', 'P', -1, 'P', 10, 'C', 'Y'),
 (3, 5003, 'Green Lawn Care', NULL, 150, '2026-12-03', 'GL-12', 'Lawn service', 'T', -1, 'T', 103, 'C', 'Y'),
 (4, 5004, 'Carlos Mendez', NULL, 275.5, '2026-12-04', '', 'Owner draw', 'B', 0, 'B', 107, 'C', 'Y'),
 (5, 5005, 'Tom Lee', NULL, 100, '2026-12-05', '', 'Second owner draw', 'O', 0, 'O', 1, 'C', 'Y'),
 (6, 5006, 'Bright Electric', NULL, 80, '2026-12-06', 'BE-7', 'Wiring', 'P', -1, 'P', 20, 'C', 'Y');

INSERT INTO SplitChecks VALUES
 (1, 6000, 500, 'Owner draw', 'O', 'O', 1, 'C'),
 (2, 6100, 200, 'Pipe repair', 'P', 'P', 10, 'C'),
 (2, 6100, 120, 'Unit faucet', 'U', 'U', 101, 'C'),
 (3, 6200, 150, 'Lawn service', 'T', 'T', 103, 'C'),
 (4, 6000, 275.5, 'Owner draw', 'B', 'B', 107, 'C'),
 (5, 6000, 100, 'Second owner draw', 'O', 'O', 1, 'C'),
 (6, 6300, 80, 'Wiring', 'P', 'P', 20, 'C');
)SQL";

}  // namespace

void fillDemoPortfolio(HostDatabase& db) {
    DbTransaction transaction(db);
    db.connection().exec(DemoRows);
    transaction.commit();
}

std::string demoIdFileText() {
    const char* lines[] = {
        "Maple Ridge Property Management",  // 0
        "HXOR",                             // 1
        "12/01/2026",                       // 2
        "",                                 // 3
        "Checking;A-1000",                  // 4
        "",                                 // 5
        "",                                 // 6
        "",                                 // 7
        "",                                 // 8
        "Rent Income;B-4000",               // 9  rent income account
        "MONTH Rent",                       // 10 rent remark
        "",                                 // 11
        "",                                 // 12
        "",                                 // 13
        "",                                 // 14
        "Management Fees;O-4100",           // 15 management fee account
        "MONTH Management Fee",             // 16 management fee remark
        "Late Fee Received;T-4050",         // 17 late fee account
        "MONTH Late Fee",                   // 18 late fee remark
        "END",
    };
    std::string text;
    for (const char* line : lines) text += std::string(line) + "\r\n";
    return text;
}

}  // namespace tp
