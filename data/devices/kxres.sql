-- Device database of the controller families the panel can drive (KXRes.Dat).
-- Table "sort": one row per family; its row position (0-based) is the family index stored in
-- the project and compiled as the link 1 protocol. Table "No<index+1>": the family's devices.
--   Type 0 = word device, Type 1 = bit device (rows keep their order: the position of a device
--   in its list is the device index stored in the elements).
--   MaxNumber = highest device number as decimal text. For octal-numbered devices (X and Y of
--   families 0, 1, 2, 11) the octal digits are written as they read (X377 -> "377").
--   DataBit: 0 = plain bit device; > 0 = addressed as word.bit with bits 0..DataBit;
--   -1 = numbered in hexadecimal (the highest number is the hexadecimal value in decimal).
-- Sources for every family are listed in data/README.md.

CREATE TABLE sort (Name TEXT NOT NULL);
INSERT INTO sort (Name) VALUES ('Mitsubishi FX1S/FX1N/FX2N');
INSERT INTO sort (Name) VALUES ('Mitsubishi FX3U/FX3G/FX3S');
INSERT INTO sort (Name) VALUES ('Mitsubishi FX5U/FX5UC');
INSERT INTO sort (Name) VALUES ('Panasonic FP0R/FP-X (MEWTOCOL)');
INSERT INTO sort (Name) VALUES ('Modbus RTU Master');
INSERT INTO sort (Name) VALUES ('Fatek FBs (FATEK protocol)');
INSERT INTO sort (Name) VALUES ('Omron CP1E/CP1L (Host Link)');
INSERT INTO sort (Name) VALUES ('Siemens S7-200 (PPI)');
INSERT INTO sort (Name) VALUES ('Keyence KV-3000/KV-5000 (KV upper link)');
INSERT INTO sort (Name) VALUES ('Modbus RTU Slave');
INSERT INTO sort (Name) VALUES ('Modbus RTU Slave (extended address)');
INSERT INTO sort (Name) VALUES ('Delta DVP-ES2/SS2/SA2');

-- 0: Mitsubishi FX1S/FX1N/FX2N, programming port protocol. X and Y count in octal.
CREATE TABLE No1 (Name TEXT, Type INTEGER, MaxNumber TEXT, DataBit INTEGER);
INSERT INTO No1 VALUES ('D', 0, '8255', 0);
INSERT INTO No1 VALUES ('T', 0, '255', 0);
INSERT INTO No1 VALUES ('C', 0, '255', 0);
INSERT INTO No1 VALUES ('M', 1, '8255', 0);
INSERT INTO No1 VALUES ('S', 1, '999', 0);
INSERT INTO No1 VALUES ('T', 1, '255', 0);
INSERT INTO No1 VALUES ('X', 1, '267', 0);
INSERT INTO No1 VALUES ('Y', 1, '267', 0);
INSERT INTO No1 VALUES ('C', 1, '255', 0);

-- 1: Mitsubishi FX3U/FX3G/FX3S, programming port protocol. X and Y count in octal.
CREATE TABLE No2 (Name TEXT, Type INTEGER, MaxNumber TEXT, DataBit INTEGER);
INSERT INTO No2 VALUES ('D', 0, '8511', 0);
INSERT INTO No2 VALUES ('R', 0, '32767', 0);
INSERT INTO No2 VALUES ('T', 0, '511', 0);
INSERT INTO No2 VALUES ('C', 0, '255', 0);
INSERT INTO No2 VALUES ('M', 1, '8511', 0);
INSERT INTO No2 VALUES ('S', 1, '4095', 0);
INSERT INTO No2 VALUES ('T', 1, '511', 0);
INSERT INTO No2 VALUES ('X', 1, '367', 0);
INSERT INTO No2 VALUES ('Y', 1, '367', 0);
INSERT INTO No2 VALUES ('C', 1, '255', 0);

-- 2: Mitsubishi FX5U/FX5UC, MC protocol (serial). X and Y count in octal.
CREATE TABLE No3 (Name TEXT, Type INTEGER, MaxNumber TEXT, DataBit INTEGER);
INSERT INTO No3 VALUES ('D', 0, '7999', 0);
INSERT INTO No3 VALUES ('R', 0, '32767', 0);
INSERT INTO No3 VALUES ('SD', 0, '11999', 0);
INSERT INTO No3 VALUES ('T', 0, '511', 0);
INSERT INTO No3 VALUES ('C', 0, '255', 0);
INSERT INTO No3 VALUES ('M', 1, '7679', 0);
INSERT INTO No3 VALUES ('L', 1, '7679', 0);
INSERT INTO No3 VALUES ('SM', 1, '9999', 0);
INSERT INTO No3 VALUES ('X', 1, '1777', 0);
INSERT INTO No3 VALUES ('Y', 1, '1777', 0);
INSERT INTO No3 VALUES ('T', 1, '511', 0);
INSERT INTO No3 VALUES ('C', 1, '255', 0);

-- 3: Panasonic FP0R / FP-X, MEWTOCOL-COM. Relay numbers end in a hexadecimal digit.
CREATE TABLE No4 (Name TEXT, Type INTEGER, MaxNumber TEXT, DataBit INTEGER);
INSERT INTO No4 VALUES ('DT', 0, '32764', 0);
INSERT INTO No4 VALUES ('LD', 0, '255', 0);
INSERT INTO No4 VALUES ('SV', 0, '1023', 0);
INSERT INTO No4 VALUES ('EV', 0, '1023', 0);
INSERT INTO No4 VALUES ('WR', 0, '511', 0);
INSERT INTO No4 VALUES ('R', 1, '8191', -1);
INSERT INTO No4 VALUES ('X', 1, '4255', -1);
INSERT INTO No4 VALUES ('Y', 1, '4255', -1);
INSERT INTO No4 VALUES ('L', 1, '2047', -1);
INSERT INTO No4 VALUES ('T', 1, '1007', 0);
INSERT INTO No4 VALUES ('C', 1, '1023', 0);

-- 4: Modbus RTU master (the panel polls the controller). Bit devices after the first are bits
-- of registers (register * 16 + bit), so their registers stop at 4095.
CREATE TABLE No5 (Name TEXT, Type INTEGER, MaxNumber TEXT, DataBit INTEGER);
INSERT INTO No5 VALUES ('4x', 0, '65535', 0);
INSERT INTO No5 VALUES ('3x', 0, '65535', 0);
INSERT INTO No5 VALUES ('0x', 1, '65535', 0);
INSERT INTO No5 VALUES ('4x', 1, '4095', 15);
INSERT INTO No5 VALUES ('3x', 1, '4095', 15);

-- 5: Fatek FBs, FATEK communication protocol.
CREATE TABLE No6 (Name TEXT, Type INTEGER, MaxNumber TEXT, DataBit INTEGER);
INSERT INTO No6 VALUES ('R', 0, '3839', 0);
INSERT INTO No6 VALUES ('D', 0, '4095', 0);
INSERT INTO No6 VALUES ('RT', 0, '255', 0);
INSERT INTO No6 VALUES ('RC', 0, '255', 0);
INSERT INTO No6 VALUES ('M', 1, '2001', 0);
INSERT INTO No6 VALUES ('S', 1, '999', 0);
INSERT INTO No6 VALUES ('X', 1, '255', 0);
INSERT INTO No6 VALUES ('Y', 1, '255', 0);
INSERT INTO No6 VALUES ('T', 1, '255', 0);
INSERT INTO No6 VALUES ('C', 1, '255', 0);

-- 6: Omron CP1E / CP1L, Host Link (C-mode). CIO and W bits are word.bit (register * 16 + bit).
CREATE TABLE No7 (Name TEXT, Type INTEGER, MaxNumber TEXT, DataBit INTEGER);
INSERT INTO No7 VALUES ('D', 0, '8191', 0);
INSERT INTO No7 VALUES ('CIO', 0, '199', 0);
INSERT INTO No7 VALUES ('W', 0, '99', 0);
INSERT INTO No7 VALUES ('H', 0, '49', 0);
INSERT INTO No7 VALUES ('T', 0, '255', 0);
INSERT INTO No7 VALUES ('C', 0, '255', 0);
INSERT INTO No7 VALUES ('T', 1, '255', 0);
INSERT INTO No7 VALUES ('CIO', 1, '199', 15);
INSERT INTO No7 VALUES ('W', 1, '99', 15);
INSERT INTO No7 VALUES ('C', 1, '255', 0);

-- 7: Siemens S7-200, PPI. I, Q, M, V and SM bits are byte.bit (byte * 8 + bit); V bits stop at
-- VB8191 so the compiled bit address stays within 16 bits.
CREATE TABLE No8 (Name TEXT, Type INTEGER, MaxNumber TEXT, DataBit INTEGER);
INSERT INTO No8 VALUES ('VW', 0, '10238', 0);
INSERT INTO No8 VALUES ('T', 0, '255', 0);
INSERT INTO No8 VALUES ('C', 0, '255', 0);
INSERT INTO No8 VALUES ('AIW', 0, '62', 0);
INSERT INTO No8 VALUES ('AQW', 0, '62', 0);
INSERT INTO No8 VALUES ('T', 1, '255', 0);
INSERT INTO No8 VALUES ('I', 1, '15', 7);
INSERT INTO No8 VALUES ('Q', 1, '15', 7);
INSERT INTO No8 VALUES ('M', 1, '31', 7);
INSERT INTO No8 VALUES ('V', 1, '8191', 7);
INSERT INTO No8 VALUES ('SM', 1, '549', 7);

-- 8: Keyence KV-3000 / KV-5000, KV upper link. Relays are channel.bit.
CREATE TABLE No9 (Name TEXT, Type INTEGER, MaxNumber TEXT, DataBit INTEGER);
INSERT INTO No9 VALUES ('DM', 0, '65534', 0);
INSERT INTO No9 VALUES ('EM', 0, '65534', 0);
INSERT INTO No9 VALUES ('TM', 0, '511', 0);
INSERT INTO No9 VALUES ('T', 0, '3999', 0);
INSERT INTO No9 VALUES ('C', 0, '3999', 0);
INSERT INTO No9 VALUES ('R', 1, '999', 15);
INSERT INTO No9 VALUES ('MR', 1, '999', 15);
INSERT INTO No9 VALUES ('LR', 1, '999', 15);
INSERT INTO No9 VALUES ('CR', 1, '39', 15);
INSERT INTO No9 VALUES ('T', 1, '3999', 0);
INSERT INTO No9 VALUES ('C', 1, '3999', 0);

-- 9: Modbus RTU slave (the controller reads and writes the panel's own registers).
CREATE TABLE No10 (Name TEXT, Type INTEGER, MaxNumber TEXT, DataBit INTEGER);
INSERT INTO No10 VALUES ('4x', 0, '9999', 0);
INSERT INTO No10 VALUES ('0x', 1, '9999', 0);
INSERT INTO No10 VALUES ('4x', 1, '9999', 15);

-- 10: Modbus RTU slave with the full address range; the panel runs it as protocol 9.
CREATE TABLE No11 (Name TEXT, Type INTEGER, MaxNumber TEXT, DataBit INTEGER);
INSERT INTO No11 VALUES ('4x', 0, '65535', 0);
INSERT INTO No11 VALUES ('3x', 0, '65535', 0);
INSERT INTO No11 VALUES ('0x', 1, '65535', 0);
INSERT INTO No11 VALUES ('1x', 1, '65535', 0);
INSERT INTO No11 VALUES ('4x', 1, '65535', 15);

-- 11: Delta DVP-ES2 / SS2 / SA2, Modbus ASCII/RTU with DVP device addresses. X and Y count in octal.
CREATE TABLE No12 (Name TEXT, Type INTEGER, MaxNumber TEXT, DataBit INTEGER);
INSERT INTO No12 VALUES ('D', 0, '9999', 0);
INSERT INTO No12 VALUES ('T', 0, '255', 0);
INSERT INTO No12 VALUES ('C', 0, '255', 0);
INSERT INTO No12 VALUES ('M', 1, '4095', 0);
INSERT INTO No12 VALUES ('S', 1, '1023', 0);
INSERT INTO No12 VALUES ('T', 1, '255', 0);
INSERT INTO No12 VALUES ('X', 1, '377', 0);
INSERT INTO No12 VALUES ('Y', 1, '377', 0);
INSERT INTO No12 VALUES ('C', 1, '255', 0);
