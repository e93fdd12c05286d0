-- The tours database on a MySQL or MariaDB server. latin1 keeps the program's
-- 8-bit texts byte for byte; the program connects with the same character set.

CREATE TABLE tours (
  tour_id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  tour_name TEXT,
  tour_description TEXT,
  is_so SMALLINT,
  is_active SMALLINT,
  Link TEXT
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

CREATE TABLE legs (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  Descr VARCHAR(255),
  Route VARCHAR(255),
  Dep VARCHAR(4),
  Dest VARCHAR(4),
  MaxFuel INT,
  Points INT,
  MaxPoints INT,
  tour_id INT,
  KEY legs_dep (Dep)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

CREATE TABLE LegDet (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  Descr VARCHAR(255),
  Speak VARCHAR(255),
  Latitude DOUBLE,
  Longtitude DOUBLE,
  MinAlt INT,
  MaxAlt INT,
  MinSpd INT,
  MaxSpd INT,
  MinHdg INT,
  MaxHdg INT,
  CheckPoint BOOLEAN,
  MustLand BOOLEAN,
  Points INT,
  LegId INT,
  cRange DOUBLE,
  WaitMin INT,
  KEY legdet_leg (LegId)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

CREATE TABLE LegRdy (
  LegRdyid INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  legId INT,
  Descr VARCHAR(255),
  Points INT,
  MaxPoints INT,
  VID VARCHAR(6),
  `try` INT,
  Dep VARCHAR(4),
  Dest VARCHAR(4),
  Route VARCHAR(255),
  DepDate DATE,
  DepTime TIME,
  ArrTime TIME,
  LegAccepted BOOLEAN NOT NULL DEFAULT FALSE,
  AirPlane VARCHAR(8),
  GForceMax VARCHAR(7),
  GForceMin VARCHAR(7),
  GForceLnd VARCHAR(7),
  FuelUsed VARCHAR(12),
  tour_id INT,
  KEY legrdy_vid (VID, legId)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

CREATE TABLE LegRdyDet (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  LegRdyId INT,
  LegRdyCompl BOOLEAN,
  CheckPoint INT,
  Points INT
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

CREATE TABLE LegRdyFR (
  Id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  LegRdyId INT,
  Latitude DOUBLE,
  Longitude DOUBLE,
  Alt INT,
  GrndSp INT,
  Hdg INT,
  Com1 VARCHAR(7),
  Nav1 VARCHAR(7),
  Nav2 VARCHAR(7),
  QNH VARCHAR(5),
  KEY legrdyfr_result (LegRdyId)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;
