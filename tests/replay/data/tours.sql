-- Tours for the replay tests, beside the demo seed, over the airports of
-- airports.csv in this folder. Each leg from ALFA has a tour id of its own,
-- so the legs come in the same order from every server.
INSERT INTO tours (tour_id, tour_name, tour_description, is_so, is_active, Link) VALUES
  (7, 'Test Hops', 'Legs for the replay tests.', 0, 1, 'https://tours.example.org/test-hops'),
  (8, 'Test Circuits', 'Round trips.', 0, 1, 'https://tours.example.org/test-circuits');

-- Leg 73's tour 99 is missing from the catalogue.
INSERT INTO legs (id, Descr, Route, Dep, Dest, MaxFuel, Points, MaxPoints, tour_id) VALUES
  (71, 'Alfa - Bravo', 'ALFA MIKE BRAV', 'ALFA', 'BRAV', 1000, 10, 20, 7),
  (72, 'Alfa circuit', 'ALFA ALFA', 'ALFA', 'ALFA', 1000, 0, 10, 8),
  (73, 'Alfa - Charlie', 'ALFA CHAR', 'ALFA', 'CHAR', 1000, 0, 10, 99),
  (74, 'Alfa - Zero', 'ALFA ZERO', 'ALFA', 'ZERO', 1000, 0, 10, 100);

INSERT INTO LegDet (id, Descr, Speak, Latitude, Longtitude, MinAlt, MaxAlt, MinSpd, MaxSpd,
                    MinHdg, MaxHdg, CheckPoint, MustLand, Points, LegId, cRange, WaitMin) VALUES
  (701, 'Hold at Mike', 'Hold at Mike for one minute', 10.0, 10.25, 0, 99999, 0, 999, 0, 360, 1, 0, 10, 71, 3, 1),
  (702, 'Welcome to Bravo', 'Welcome to Bravo', 10.0, 10.5, 0, 3000, 0, 200, 0, 360, 1, 1, 10, 71, 3, 0);
