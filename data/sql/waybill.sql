-- Reference database of the waybill editor: the grid definitions, the column table of every
-- grid and the sheet block table. The attribute tables of the drawing blocks are in
-- blocks.sql, generated together with the drawings.
--
-- Lengths are sheet inches: the page area is 10.25 wide and 6.5 high (the title block takes
-- the 1.25 below it). A grid fills the page area from "Top" down: Top + (Rows + 1) * RowHeight
-- = 6.5, and the widths of its columns add up to 10.25. Align is the grid control's code:
-- 1 left, 4 centred. Texts are Windows-1252; keep this file ASCII.

CREATE TABLE Grids (GridName TEXT, Columns INTEGER, Rows INTEGER, Left REAL, Top REAL,
                    RowHeight REAL);
CREATE INDEX idxGridName ON Grids (GridName);

INSERT INTO Grids VALUES ('std', 6, 25, 0, 0.0, 0.25); -- general line items, whole page
INSERT INTO Grids VALUES ('stl', 7, 25, 0, 0.0, 0.25); -- fabricated steel members
INSERT INTO Grids VALUES ('brc', 6, 17, 0, 2.0, 0.25); -- braces, below their drawing
INSERT INTO Grids VALUES ('cab', 9, 17, 0, 2.0, 0.25); -- cable braces
INSERT INTO Grids VALUES ('clp', 6, 25, 0, 0.0, 0.25); -- clip catalogue
INSERT INTO Grids VALUES ('hte', 13, 15, 0, 2.5, 0.25); -- hi-tensile members with punches
INSERT INTO Grids VALUES ('ext', 7, 25, 0, 0.0, 0.25); -- hi-tensile lists with a punch row
INSERT INTO Grids VALUES ('ang', 6, 19, 0, 1.5, 0.25); -- angles, below their profile
INSERT INTO Grids VALUES ('hed', 7, 25, 0, 0.0, 0.25); -- headers and framed openings
INSERT INTO Grids VALUES ('sht', 6, 17, 0, 2.0, 0.25); -- sheet panels, below the profile
INSERT INTO Grids VALUES ('pur', 6, 25, 0, 0.0, 0.25); -- purchased items
INSERT INTO Grids VALUES ('red', 6, 19, 0, 1.5, 0.25); -- red-line revisions

-- Column tables: row k describes column k; ColumnIDX is the 1-based position.

CREATE TABLE std (Width REAL, Align INTEGER, Label TEXT, ColumnIDX INTEGER, BoldLine INTEGER);
INSERT INTO std VALUES (0.9, 4, 'COMP. ID', 1, 1);
INSERT INTO std VALUES (1.0, 4, 'PART MARK', 2, 0);
INSERT INTO std VALUES (0.6, 4, 'QTY', 3, 0);
INSERT INTO std VALUES (1.0, 4, 'LENGTH', 4, 1);
INSERT INTO std VALUES (5.0, 1, 'DESCRIPTION', 5, 1);
INSERT INTO std VALUES (1.75, 4, 'PART NUMBER', 6, 0);

-- Column 5 takes the member type code, column 4 its description.
CREATE TABLE stl (Width REAL, Align INTEGER, Label TEXT, ColumnIDX INTEGER, BoldLine INTEGER);
INSERT INTO stl VALUES (0.9, 4, 'COMP. ID', 1, 1);
INSERT INTO stl VALUES (1.0, 4, 'PART MARK', 2, 0);
INSERT INTO stl VALUES (0.6, 4, 'QTY', 3, 0);
INSERT INTO stl VALUES (1.0, 4, 'LENGTH', 4, 1);
INSERT INTO stl VALUES (4.0, 1, 'DESCRIPTION', 5, 0);
INSERT INTO stl VALUES (1.0, 4, 'PART NUMBER', 6, 1);
INSERT INTO stl VALUES (1.75, 4, 'WEIGHT (LBS.)', 7, 0);

CREATE TABLE brc (Width REAL, Align INTEGER, Label TEXT, ColumnIDX INTEGER, BoldLine INTEGER);
INSERT INTO brc VALUES (0.9, 4, 'COMP. ID', 1, 1);
INSERT INTO brc VALUES (1.0, 4, 'PART MARK', 2, 0);
INSERT INTO brc VALUES (0.6, 4, 'QTY', 3, 0);
INSERT INTO brc VALUES (1.0, 4, 'LENGTH', 4, 1);
INSERT INTO brc VALUES (5.0, 1, 'DESCRIPTION', 5, 1);
INSERT INTO brc VALUES (1.75, 4, 'PART NUMBER', 6, 0);

-- Cable braces: the shipping length (3) drives the cut length (4), the sizes (5, 6) and the
-- cable part number, which is the component id (8) and so is not typed.
CREATE TABLE cab (Width REAL, Align INTEGER, Label TEXT, ColumnIDX INTEGER, BoldLine INTEGER);
INSERT INTO cab VALUES (1.0, 4, 'LOCATION', 1, 1);
INSERT INTO cab VALUES (0.9, 4, 'PART MARK', 2, 0);
INSERT INTO cab VALUES (0.6, 4, 'QTY', 3, 0);
INSERT INTO cab VALUES (1.0, 4, 'SHIP. LEN.', 4, 1);
INSERT INTO cab VALUES (2.0, 4, 'CAB.xCUTLEN.', 5, 0);
INSERT INTO cab VALUES (0.9, 4, 'CABLE DIA.', 6, 0);
INSERT INTO cab VALUES (0.9, 4, 'EYE BOLT', 7, 0);
INSERT INTO cab VALUES (0.9, 4, 'FINISH', 8, 1);
INSERT INTO cab VALUES (2.05, 4, 'COMP. ID', 9, 0);

-- Clips: the mark (1) and the part number (5) carry the size letter; column 4 takes the
-- dimension of the special clips.
CREATE TABLE clp (Width REAL, Align INTEGER, Label TEXT, ColumnIDX INTEGER, BoldLine INTEGER);
INSERT INTO clp VALUES (0.9, 4, 'COMP. ID', 1, 1);
INSERT INTO clp VALUES (0.75, 4, 'MARK', 2, 0);
INSERT INTO clp VALUES (4.35, 1, 'DESCRIPTION', 3, 1);
INSERT INTO clp VALUES (0.6, 4, 'QTY', 4, 1);
INSERT INTO clp VALUES (2.15, 1, 'DESC. (SPECIAL)', 5, 1);
INSERT INTO clp VALUES (1.5, 4, 'PART NUMBER', 6, 0);

-- Hi-tensile members: lead punch (4), six "A" dimensions (5-10), trailing punch (11).
CREATE TABLE hte (Width REAL, Align INTEGER, Label TEXT, ColumnIDX INTEGER, BoldLine INTEGER);
INSERT INTO hte VALUES (0.8, 4, 'COMP. ID', 1, 1);
INSERT INTO hte VALUES (0.9, 4, 'PART MARK', 2, 0);
INSERT INTO hte VALUES (0.5, 4, 'QTY', 3, 0);
INSERT INTO hte VALUES (0.95, 4, 'LENGTH', 4, 1);
INSERT INTO hte VALUES (0.45, 4, 'LP', 5, 1);
INSERT INTO hte VALUES (0.7, 4, 'A', 6, 0);
INSERT INTO hte VALUES (0.7, 4, 'A', 7, 0);
INSERT INTO hte VALUES (0.7, 4, 'A', 8, 0);
INSERT INTO hte VALUES (0.7, 4, 'A', 9, 0);
INSERT INTO hte VALUES (0.7, 4, 'A', 10, 0);
INSERT INTO hte VALUES (0.7, 4, 'A', 11, 1);
INSERT INTO hte VALUES (0.45, 4, 'TP', 12, 1);
INSERT INTO hte VALUES (2.0, 4, 'PART NUMBER', 13, 0);

-- Hi-tensile lists: row 1 of the description names the punch pattern, row 2 the section.
CREATE TABLE ext (Width REAL, Align INTEGER, Label TEXT, ColumnIDX INTEGER, BoldLine INTEGER);
INSERT INTO ext VALUES (0.9, 4, 'COMP. ID', 1, 1);
INSERT INTO ext VALUES (1.0, 4, 'PART MARK', 2, 0);
INSERT INTO ext VALUES (0.6, 4, 'QTY', 3, 0);
INSERT INTO ext VALUES (1.2, 4, 'LOCATION', 4, 0);
INSERT INTO ext VALUES (1.0, 4, 'LENGTH', 5, 1);
INSERT INTO ext VALUES (3.8, 1, 'DESCRIPTION', 6, 1);
INSERT INTO ext VALUES (1.75, 4, 'PART NUMBER', 7, 0);

CREATE TABLE ang (Width REAL, Align INTEGER, Label TEXT, ColumnIDX INTEGER, BoldLine INTEGER);
INSERT INTO ang VALUES (0.9, 4, 'COMP. ID', 1, 1);
INSERT INTO ang VALUES (1.0, 4, 'PART MARK', 2, 0);
INSERT INTO ang VALUES (0.6, 4, 'QTY', 3, 0);
INSERT INTO ang VALUES (1.0, 4, 'LENGTH', 4, 1);
INSERT INTO ang VALUES (5.0, 1, 'DESCRIPTION', 5, 1);
INSERT INTO ang VALUES (1.75, 4, 'PART NUMBER', 6, 0);

-- Headers: an item takes two rows; the size column (5) of both joins its description.
CREATE TABLE hed (Width REAL, Align INTEGER, Label TEXT, ColumnIDX INTEGER, BoldLine INTEGER);
INSERT INTO hed VALUES (0.9, 4, 'COMP. ID', 1, 1);
INSERT INTO hed VALUES (1.0, 4, 'PART MARK', 2, 0);
INSERT INTO hed VALUES (0.6, 4, 'QTY', 3, 0);
INSERT INTO hed VALUES (1.0, 4, 'LENGTH', 4, 1);
INSERT INTO hed VALUES (3.5, 1, 'DESCRIPTION', 5, 0);
INSERT INTO hed VALUES (1.5, 1, 'SIZE', 6, 1);
INSERT INTO hed VALUES (1.75, 4, 'PART NUMBER', 7, 0);

-- Sheet panels: row 1 of the description holds the finish and the panel in parentheses;
-- rows 3 on take the part number of the page's sheet block.
CREATE TABLE sht (Width REAL, Align INTEGER, Label TEXT, ColumnIDX INTEGER, BoldLine INTEGER);
INSERT INTO sht VALUES (0.9, 4, 'COMP. ID', 1, 1);
INSERT INTO sht VALUES (1.0, 4, 'PART MARK', 2, 0);
INSERT INTO sht VALUES (0.6, 4, 'QTY', 3, 0);
INSERT INTO sht VALUES (1.0, 4, 'LENGTH', 4, 1);
INSERT INTO sht VALUES (5.0, 1, 'DESCRIPTION', 5, 1);
INSERT INTO sht VALUES (1.75, 4, 'PART NUMBER', 6, 0);

CREATE TABLE pur (Width REAL, Align INTEGER, Label TEXT, ColumnIDX INTEGER, BoldLine INTEGER);
INSERT INTO pur VALUES (0.9, 4, 'COMP. ID', 1, 1);
INSERT INTO pur VALUES (1.0, 4, 'PART MARK', 2, 0);
INSERT INTO pur VALUES (0.6, 4, 'QTY', 3, 1);
INSERT INTO pur VALUES (4.5, 1, 'DESCRIPTION', 4, 0);
INSERT INTO pur VALUES (1.5, 1, 'VENDOR', 5, 1);
INSERT INTO pur VALUES (1.75, 4, 'PART NUMBER', 6, 0);

CREATE TABLE red (Width REAL, Align INTEGER, Label TEXT, ColumnIDX INTEGER, BoldLine INTEGER);
INSERT INTO red VALUES (0.9, 4, 'COMP. ID', 1, 1);
INSERT INTO red VALUES (1.0, 4, 'PART MARK', 2, 0);
INSERT INTO red VALUES (0.6, 4, 'QTY', 3, 0);
INSERT INTO red VALUES (1.0, 4, 'LENGTH', 4, 1);
INSERT INTO red VALUES (5.0, 1, 'DESCRIPTION', 5, 1);
INSERT INTO red VALUES (1.75, 4, 'PART NUMBER', 6, 0);

-- Sheet block table: the sheet panel block (the page kind of a sheet page) and the base of
-- its part numbers, to which the finish code is appended. The "_2" page of a panel line
-- shares the base of its "x4" sibling.
CREATE TABLE SheetParts (BlockName TEXT, BasePart TEXT);
INSERT INTO SheetParts VALUES ('shtap', '51AP');      -- Apex Span, 26 gauge
INSERT INTO SheetParts VALUES ('shtap24', '51AP24');  -- Apex Span, 24 gauge
INSERT INTO SheetParts VALUES ('shtapr', '51APR');    -- Apex Span, reverse rolled
INSERT INTO SheetParts VALUES ('shtapx4', '51APX4');  -- Apex Span, four-sheet layout
INSERT INTO SheetParts VALUES ('shtap_2', '51APX4');
INSERT INTO SheetParts VALUES ('shtas24', '51AS24');  -- Apex Seam-24
INSERT INTO SheetParts VALUES ('shtas24r', '51AS24R'); -- Apex Seam-24R
INSERT INTO SheetParts VALUES ('shtasii', '51ASII');  -- Apex Seam-II
INSERT INTO SheetParts VALUES ('shtasp', '51ASP');    -- Apex Seam-Plus
INSERT INTO SheetParts VALUES ('shtsg16', '51SG16');  -- StormGrip, 16 inch
INSERT INTO SheetParts VALUES ('shtsg18', '51SG18');  -- StormGrip, 18 inch
INSERT INTO SheetParts VALUES ('shtsg24', '51SG24');  -- StormGrip, 24 inch
INSERT INTO SheetParts VALUES ('shtsgx4', '51SGX4');  -- StormGrip, four-sheet layout
INSERT INTO SheetParts VALUES ('shtsg_2', '51SGX4');
INSERT INTO SheetParts VALUES ('shtpv9', '51PV9');    -- Prevent, 9 inch ribs
INSERT INTO SheetParts VALUES ('shtpvx', '51PVX');    -- Prevent, extended
INSERT INTO SheetParts VALUES ('shtlnr', '51LN');     -- liner panel
INSERT INTO SheetParts VALUES ('shtsof', '51SF');     -- soffit panel
