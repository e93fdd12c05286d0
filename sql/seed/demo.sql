-- A small demo of the tours data, for both servers: two tours (the second one
-- inactive, which the program loads all the same), six legs over airports of
-- data/airports.csv, and their checkpoints. A leg's Descr is its short name
-- (the leg panel has room for little more than a number). Alpine Hops leg 1,
-- Innsbruck - Munich, is the demo flight: a speed window at Kufstein, a
-- one-minute hold over Rosenheim, and a landing at Munich.

INSERT INTO tours (tour_id, tour_name, tour_description, is_so, is_active, Link) VALUES
  (1, 'Alpine Hops', 'Short hops through the Alps.', 0, 1, 'https://tours.example.org/alpine-hops'),
  (2, 'Lakes and Valleys', 'From the Swiss lakes to the Tyrol.', 0, 0, 'https://tours.example.org/lakes?tour="2"');

INSERT INTO legs (id, Descr, Route, Dep, Dest, MaxFuel, Points, MaxPoints, tour_id) VALUES
  (1, '1', 'LOWI KUFSTEIN <br>ROSENHEIM <b>hold</b> EDDM', 'LOWI', 'EDDM', 5000, 20, 30, 1),
  (2, '2', 'EDDM<br> CHIEMSEE LOWS', 'EDDM', 'LOWS', 4000, 10, 20, 1),
  (3, '3', 'LOWS LINZ LOWW', 'LOWS', 'LOWW', 6000, 10, 20, 1),
  (4, '1', 'LSZH ARLBERG LOWI', 'LSZH', 'LOWI', 4500, 10, 20, 2),
  (5, '2', 'LOWI <B>ARLBERG</B> LSZH', 'LOWI', 'LSZH', 4500, 10, 20, 2),
  (6, '3', 'EDDF<br>LSZH', 'EDDF', 'LSZH', 8000, 5, 10, 2);

INSERT INTO LegDet (id, Descr, Speak, Latitude, Longtitude, MinAlt, MaxAlt, MinSpd, MaxSpd,
                    MinHdg, MaxHdg, CheckPoint, MustLand, Points, LegId, cRange, WaitMin) VALUES
  (1, 'Kufstein gap, below 250 kts', 'Kufstein gap', 47.583, 12.167, 7000, 11000, 160, 250, 0, 360, 1, 0, 10, 1, 3, 0),
  (2, 'Hold over Rosenheim', 'Hold over Rosenheim for one minute', 47.856, 12.128, 0, 99999, 0, 999, 0, 360, 1, 0, 10, 1, 3, 1),
  (3, 'Welcome to Munich', 'Welcome to Munich', 48.3538, 11.7861, 0, 3000, 0, 200, 0, 360, 1, 1, 10, 1, 3, 0),
  (4, 'Chiemsee', 'Over the Chiemsee', 47.87, 12.43, 3000, 8000, 120, 250, 0, 360, 1, 0, 10, 2, 4, NULL),
  (5, 'Welcome to Salzburg', 'Welcome to Salzburg', 47.793844, 13.003639, 0, 3000, 0, 200, 0, 360, 1, 1, 10, 2, 3, 0),
  (6, 'Linz', 'Abeam Linz', 48.234324, 14.187875, 5000, 15000, 150, 300, 0, 360, 1, 0, 10, 3, 5, 0),
  (7, 'Welcome to Vienna', 'Welcome to Vienna', 48.11005, 16.569624, 0, 3000, 0, 200, 0, 360, 1, 1, 10, 3, 3, 0),
  (8, 'Arlberg pass', 'Arlberg pass', 47.13, 10.21, 9000, 14000, 120, 250, 45, 135, 1, 0, 10, 4, 4, 0),
  (9, 'Welcome to Innsbruck', 'Welcome to Innsbruck', 47.260893, 11.341861, 0, 3000, 0, 200, 0, 360, 1, 1, 10, 4, 3, 0),
  (10, 'Arlberg pass', 'Arlberg pass', 47.13, 10.21, 9000, 14000, 120, 250, 225, 315, 1, 0, 10, 5, 4, 0),
  (11, 'Welcome to Zurich', 'Welcome to Zurich', 47.460275, 8.549562, 0, 3000, 0, 200, 0, 360, 1, 1, 10, 5, 3, 0),
  (12, 'Welcome to Zurich', 'Welcome to Zurich', 47.460275, 8.549562, 0, 3000, 0, 200, 0, 360, 1, 1, 10, 6, 3, 0);
