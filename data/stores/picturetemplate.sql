-- The picture library a new project starts with ("TPicData.pdb").
-- One row per picture; ID 0 is the system picture, so that in a library numbered from 0 each
-- picture's place in the download image equals its number.
CREATE TABLE PData (
    ID INTEGER NOT NULL UNIQUE,
    PID INTEGER,
    FName TEXT,
    Ext TEXT,
    Pic BLOB,
    Folder INTEGER,
    BMark INTEGER,
    Pass TEXT,
    Note TEXT
);

-- System picture 0: a 16 x 16 two-colour Windows bitmap (126 bytes), white mark on dark blue:
--   ................
--   .##############.
--   .#............#.
--   .#..#######...#.
--   .#..##....##..#.
--   .#..##....##..#.
--   .#..##....##..#.
--   .#..#######...#.
--   .#..##....##..#.
--   .#..##.....##.#.
--   .#..##.....##.#.
--   .#..##....##..#.
--   .#..#######...#.
--   .#............#.
--   .##############.
--   ................
-- Bytes: file header (14), info header (40: 16 x 16, 1 bit, 2 colours), palette
-- (00 40 80 = dark blue, FF FF FF = white), then the rows bottom-up, 4 bytes each.
INSERT INTO PData (ID, PID, FName, Ext, Pic, Folder, BMark, Pass, Note) VALUES (
    0, 1, 'System.bmp', '.bmp',
    X'424D7E000000000000003E000000280000001000000010000000010001000000000040000000130B0000130B0000020000000200000080400000FFFFFF00000000007FFE0000400200004FE200004C3200004C1A00004C1A00004C3200004FE200004C3200004C3200004C3200004FE20000400200007FFE000000000000',
    0, 0, '', 'System.bmp');
