-- The macro store a new project starts with ("MacroDat.M"): the table only, no rows.
-- Rows in rowid order are the macro's rows; the values are unsigned 16-bit numbers.
CREATE TABLE Mac (
    OPt INTEGER,
    BIT INTEGER,
    A1t INTEGER,
    A1v INTEGER,
    A2t INTEGER,
    A2v INTEGER,
    A3t INTEGER,
    A3v INTEGER,
    Comment TEXT
);
