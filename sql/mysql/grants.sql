-- The program's account: reads the tour data, writes its results, and cannot
-- touch the staff's verdict LegAccepted or anything else. Run it with the
-- tours database selected (mariadb DB < grants.sql) after creating the
-- account, for example
--   CREATE USER 'aerotrace'@'%' IDENTIFIED BY '...';
-- For another account name, change it in every line below.

GRANT SELECT ON tours TO 'aerotrace'@'%';
GRANT SELECT ON legs TO 'aerotrace'@'%';
GRANT SELECT ON LegDet TO 'aerotrace'@'%';

GRANT SELECT,
  INSERT (legId, Descr, Points, MaxPoints, VID, `try`, Dep, Dest, Route, DepDate, DepTime,
          ArrTime, AirPlane, GForceMax, GForceMin, GForceLnd, FuelUsed, tour_id),
  UPDATE (legId, Descr, Points, MaxPoints, VID, `try`, Dep, Dest, Route, DepDate, DepTime,
          ArrTime, AirPlane, GForceMax, GForceMin, GForceLnd, FuelUsed, tour_id)
  ON LegRdy TO 'aerotrace'@'%';

GRANT SELECT, INSERT, DELETE ON LegRdyFR TO 'aerotrace'@'%';
