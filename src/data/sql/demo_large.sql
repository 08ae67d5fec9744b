-- The ten-year company: a large data set for benchmarks and for trying the
-- program at scale. Loaded into an empty database with the schema; every row
-- is made on the server from number sequences, so it takes a minute or two.
-- Rows are spread deterministically: the same run gives the same data.

SET SESSION unique_checks=0;
SET SESSION foreign_key_checks=0;


INSERT INTO `groups` (id, group_id, group_name) VALUES (1,100,'Administrasjon'),(2,200,'Salg'),(3,300,'Montasje');

INSERT INTO users (id, username, realname, initials, defaultgroup, companyid, department, email)
SELECT seq, IF(seq=1,'demo',CONCAT('ansatt',seq)),
 CONCAT(ELT(1+seq%10,'Kari','Ola','Ingrid','Per','Silje','Lars','Nina','Erik','Hanne','Jon'),' ',ELT(1+(seq DIV 10)%5,'Nordvik','Hansen','Berg','Lie','Dahl')),
 CONCAT(ELT(1+seq%10,'K','O','I','P','S','L','N','E','H','J'),ELT(1+(seq DIV 10)%5,'N','H','B','L','D'),seq),
 100+100*(seq%3), 1, ELT(1+seq%3,'Adm','Salg','Montasje'), CONCAT('ansatt',seq,'@nordvik.example')
FROM seq_1_to_20;

INSERT INTO company (companyname, orgnumber, email, streetaddress, postalcode, city, phone, customer, vendor, partner, custno)
SELECT CONCAT(ELT(1+seq%10,'Nord','Sør','Vest','Øst','Fjell','Fjord','Dal','Vik','Strand','Berg'),
              ELT(1+(seq DIV 10)%8,'bygg','elektro','rør','handel','service','transport','data','maskin'),' ',seq,' AS'),
 LPAD(900000000+seq,9,'0'), CONCAT('post@firma',seq,'.example'), CONCAT('Storgata ',1+seq%200),
 LPAD(1000+seq%8000,4,'0'), ELT(1+seq%6,'Oslo','Bergen','Trondheim','Stavanger','Drammen','Tromsø'),
 CONCAT('22 ',LPAD(seq%1000000,6,'0')), seq%4<>0, seq%5=0, seq%17=0, seq
FROM seq_1_to_20000;

INSERT INTO contact (realname, companyid, email, mobilephone, title, initials)
SELECT CONCAT(ELT(1+seq%12,'Anne','Bjørn','Camilla','Dag','Eva','Frode','Grete','Håkon','Ida','Jørgen','Kristin','Åse'),' ',
              ELT(1+(seq DIV 12)%10,'Andersen','Bakke','Christensen','Dahle','Eriksen','Fjeld','Gundersen','Haugen','Iversen','Ødegård')),
 1+seq%20000, CONCAT('kontakt',seq,'@firma.example'), CONCAT('9',LPAD(seq%10000000,7,'0')),
 ELT(1+seq%4,'Daglig leder','Innkjøper','Prosjektleder','Regnskap'), CONCAT('K',seq)
FROM seq_1_to_40000;

INSERT INTO product (productcode, producttext, EAN, piece, productgroup, cost, price, vatcode, instock, minstock, vendor, vendorid, user_favorite, location)
SELECT CONCAT('P',LPAD(seq,6,'0')),
 CONCAT(ELT(1+seq%8,'Kabel','Stikkontakt','Bryter','Sikring','Lampe','Rør','Koblingsboks','Verktøy'),' ',
        ELT(1+(seq DIV 8)%6,'hvit','sort','grå','standard','proff','mini'),' ',seq),
 CONCAT('2',LPAD(seq,12,'0')), ELT(1+seq%3,'stk','m','pk'), CONCAT('G',seq%50),
 ROUND(5+(seq*37)%3000/4,2), ROUND((5+(seq*37)%3000/4)*1.6,2), IF(seq%50=0,4,0),
 seq%300, seq%20, 1+(seq*7)%20000, CONCAT('L',seq), seq%20=0, CONCAT('Hylle ',seq%40)
FROM seq_1_to_100000;

INSERT INTO `orders` (ordernumber, companyid, userid, orderdate, deliverydate, status, subject, currency, vatcode)
SELECT 10000+seq, 1+(seq*13)%20000, 1+seq%20,
 DATE_SUB('2026-12-01', INTERVAL (60000-seq)*3650 DIV 60000 DAY),
 DATE_SUB('2026-12-15', INTERVAL (60000-seq)*3650 DIV 60000 DAY),
 ELT(1+seq%5,'Levert','Levert','Levert','Delvis levert','Ikke levert'), CONCAT('Sak ',seq), 'NOK', 0
FROM seq_1_to_60000;

INSERT INTO `invoice` (ordernumber, companyid, userid, orderdate, deliverydate, status, subject, currency, vatcode)
SELECT 100000+seq, 1+(seq*13)%20000, 1+seq%20,
 DATE_SUB('2026-12-01', INTERVAL (60000-seq)*3650 DIV 60000 DAY),
 DATE_SUB('2026-12-15', INTERVAL (60000-seq)*3650 DIV 60000 DAY),
 ELT(1+seq%4,'Godkjent','Godkjent','Godkjent','Ikke godkjent'), CONCAT('Sak ',seq), 'NOK', 0
FROM seq_1_to_60000;

INSERT INTO `offer` (ordernumber, companyid, userid, orderdate, deliverydate, status, subject, currency, vatcode)
SELECT 30000+seq, 1+(seq*13)%20000, 1+seq%20,
 DATE_SUB('2026-12-01', INTERVAL (20000-seq)*3650 DIV 20000 DAY),
 DATE_SUB('2026-12-15', INTERVAL (20000-seq)*3650 DIV 20000 DAY),
 ELT(1+seq%2,'Bestilt','Ikke bestilt'), CONCAT('Sak ',seq), 'NOK', 0
FROM seq_1_to_20000;

INSERT INTO `po` (ordernumber, companyid, userid, orderdate, deliverydate, status, subject, currency, vatcode)
SELECT 50000+seq, 1+(seq*13)%20000, 1+seq%20,
 DATE_SUB('2026-12-01', INTERVAL (20000-seq)*3650 DIV 20000 DAY),
 DATE_SUB('2026-12-15', INTERVAL (20000-seq)*3650 DIV 20000 DAY),
 ELT(1+seq%4,'Alt mottatt','Alt mottatt','Delvis mottatt','Bestilt'), CONCAT('Sak ',seq), 'NOK', 0
FROM seq_1_to_20000;

INSERT INTO items (orderid, productcode, producttext, itemcount, itemdelivered, itemremain, price, discount, sum, cost, sumcost, VATcode, `date`, mark, piece, customerid)
SELECT 1+(s-1) DIV 5, CONCAT('P',LPAD(1+(s*7919)%100000,6,'0')), CONCAT('Vare ',1+(s*7919)%100000),
 1+s%10, IF(s%3=0,1+s%10,0), IF(s%3=0,0,1+s%10), ROUND(8+(s*37)%3000/4*1.6,2), IF(s%7=0,10,0),
 ROUND((1+s%10)*ROUND(8+(s*37)%3000/4*1.6,2)*IF(s%7=0,0.9,1),2), ROUND(5+(s*37)%3000/4,2),
 ROUND((1+s%10)*ROUND(5+(s*37)%3000/4,2),2), IF(s%50=0,4,0),
 DATE_SUB('2026-12-01 12:00:00', INTERVAL (300000-s)*3650 DIV 300000 DAY), IF(s%5=0,'Tillegg',''), 'stk', 1+(s*13)%20000
FROM (SELECT seq+0 AS s FROM seq_1_to_100000) q;

INSERT INTO items (orderid, productcode, producttext, itemcount, itemdelivered, itemremain, price, discount, sum, cost, sumcost, VATcode, `date`, mark, piece, customerid)
SELECT 1+(s-1) DIV 5, CONCAT('P',LPAD(1+(s*7919)%100000,6,'0')), CONCAT('Vare ',1+(s*7919)%100000),
 1+s%10, IF(s%3=0,1+s%10,0), IF(s%3=0,0,1+s%10), ROUND(8+(s*37)%3000/4*1.6,2), IF(s%7=0,10,0),
 ROUND((1+s%10)*ROUND(8+(s*37)%3000/4*1.6,2)*IF(s%7=0,0.9,1),2), ROUND(5+(s*37)%3000/4,2),
 ROUND((1+s%10)*ROUND(5+(s*37)%3000/4,2),2), IF(s%50=0,4,0),
 DATE_SUB('2026-12-01 12:00:00', INTERVAL (300000-s)*3650 DIV 300000 DAY), IF(s%5=0,'Tillegg',''), 'stk', 1+(s*13)%20000
FROM (SELECT seq+100000 AS s FROM seq_1_to_100000) q;

INSERT INTO items (orderid, productcode, producttext, itemcount, itemdelivered, itemremain, price, discount, sum, cost, sumcost, VATcode, `date`, mark, piece, customerid)
SELECT 1+(s-1) DIV 5, CONCAT('P',LPAD(1+(s*7919)%100000,6,'0')), CONCAT('Vare ',1+(s*7919)%100000),
 1+s%10, IF(s%3=0,1+s%10,0), IF(s%3=0,0,1+s%10), ROUND(8+(s*37)%3000/4*1.6,2), IF(s%7=0,10,0),
 ROUND((1+s%10)*ROUND(8+(s*37)%3000/4*1.6,2)*IF(s%7=0,0.9,1),2), ROUND(5+(s*37)%3000/4,2),
 ROUND((1+s%10)*ROUND(5+(s*37)%3000/4,2),2), IF(s%50=0,4,0),
 DATE_SUB('2026-12-01 12:00:00', INTERVAL (300000-s)*3650 DIV 300000 DAY), IF(s%5=0,'Tillegg',''), 'stk', 1+(s*13)%20000
FROM (SELECT seq+200000 AS s FROM seq_1_to_100000) q;

INSERT INTO items (invoiceid, productcode, producttext, itemcount, itemdelivered, itemremain, price, discount, sum, cost, sumcost, VATcode, `date`, mark, piece, customerid)
SELECT 1+(s-1) DIV 5, CONCAT('P',LPAD(1+(s*7919)%100000,6,'0')), CONCAT('Vare ',1+(s*7919)%100000),
 1+s%10, IF(s%3=0,1+s%10,0), IF(s%3=0,0,1+s%10), ROUND(8+(s*37)%3000/4*1.6,2), IF(s%7=0,10,0),
 ROUND((1+s%10)*ROUND(8+(s*37)%3000/4*1.6,2)*IF(s%7=0,0.9,1),2), ROUND(5+(s*37)%3000/4,2),
 ROUND((1+s%10)*ROUND(5+(s*37)%3000/4,2),2), IF(s%50=0,4,0),
 DATE_SUB('2026-12-01 12:00:00', INTERVAL (300000-s)*3650 DIV 300000 DAY), IF(s%5=0,'Tillegg',''), 'stk', 1+(s*13)%20000
FROM (SELECT seq+0 AS s FROM seq_1_to_100000) q;

INSERT INTO items (invoiceid, productcode, producttext, itemcount, itemdelivered, itemremain, price, discount, sum, cost, sumcost, VATcode, `date`, mark, piece, customerid)
SELECT 1+(s-1) DIV 5, CONCAT('P',LPAD(1+(s*7919)%100000,6,'0')), CONCAT('Vare ',1+(s*7919)%100000),
 1+s%10, IF(s%3=0,1+s%10,0), IF(s%3=0,0,1+s%10), ROUND(8+(s*37)%3000/4*1.6,2), IF(s%7=0,10,0),
 ROUND((1+s%10)*ROUND(8+(s*37)%3000/4*1.6,2)*IF(s%7=0,0.9,1),2), ROUND(5+(s*37)%3000/4,2),
 ROUND((1+s%10)*ROUND(5+(s*37)%3000/4,2),2), IF(s%50=0,4,0),
 DATE_SUB('2026-12-01 12:00:00', INTERVAL (300000-s)*3650 DIV 300000 DAY), IF(s%5=0,'Tillegg',''), 'stk', 1+(s*13)%20000
FROM (SELECT seq+100000 AS s FROM seq_1_to_100000) q;

INSERT INTO items (invoiceid, productcode, producttext, itemcount, itemdelivered, itemremain, price, discount, sum, cost, sumcost, VATcode, `date`, mark, piece, customerid)
SELECT 1+(s-1) DIV 5, CONCAT('P',LPAD(1+(s*7919)%100000,6,'0')), CONCAT('Vare ',1+(s*7919)%100000),
 1+s%10, IF(s%3=0,1+s%10,0), IF(s%3=0,0,1+s%10), ROUND(8+(s*37)%3000/4*1.6,2), IF(s%7=0,10,0),
 ROUND((1+s%10)*ROUND(8+(s*37)%3000/4*1.6,2)*IF(s%7=0,0.9,1),2), ROUND(5+(s*37)%3000/4,2),
 ROUND((1+s%10)*ROUND(5+(s*37)%3000/4,2),2), IF(s%50=0,4,0),
 DATE_SUB('2026-12-01 12:00:00', INTERVAL (300000-s)*3650 DIV 300000 DAY), IF(s%5=0,'Tillegg',''), 'stk', 1+(s*13)%20000
FROM (SELECT seq+200000 AS s FROM seq_1_to_100000) q;

INSERT INTO items (offerid, productcode, producttext, itemcount, itemdelivered, itemremain, price, discount, sum, cost, sumcost, VATcode, `date`, mark, piece, customerid)
SELECT 1+(s-1) DIV 5, CONCAT('P',LPAD(1+(s*7919)%100000,6,'0')), CONCAT('Vare ',1+(s*7919)%100000),
 1+s%10, IF(s%3=0,1+s%10,0), IF(s%3=0,0,1+s%10), ROUND(8+(s*37)%3000/4*1.6,2), IF(s%7=0,10,0),
 ROUND((1+s%10)*ROUND(8+(s*37)%3000/4*1.6,2)*IF(s%7=0,0.9,1),2), ROUND(5+(s*37)%3000/4,2),
 ROUND((1+s%10)*ROUND(5+(s*37)%3000/4,2),2), IF(s%50=0,4,0),
 DATE_SUB('2026-12-01 12:00:00', INTERVAL (100000-s)*3650 DIV 100000 DAY), IF(s%5=0,'Tillegg',''), 'stk', 1+(s*13)%20000
FROM (SELECT seq+0 AS s FROM seq_1_to_100000) q;

INSERT INTO items (poid, productcode, producttext, itemcount, itemdelivered, itemremain, price, discount, sum, cost, sumcost, VATcode, `date`, mark, piece, customerid)
SELECT 1+(s-1) DIV 5, CONCAT('P',LPAD(1+(s*7919)%100000,6,'0')), CONCAT('Vare ',1+(s*7919)%100000),
 1+s%10, IF(s%3=0,1+s%10,0), IF(s%3=0,0,1+s%10), ROUND(8+(s*37)%3000/4*1.6,2), IF(s%7=0,10,0),
 ROUND((1+s%10)*ROUND(8+(s*37)%3000/4*1.6,2)*IF(s%7=0,0.9,1),2), ROUND(5+(s*37)%3000/4,2),
 ROUND((1+s%10)*ROUND(5+(s*37)%3000/4,2),2), IF(s%50=0,4,0),
 DATE_SUB('2026-12-01 12:00:00', INTERVAL (100000-s)*3650 DIV 100000 DAY), IF(s%5=0,'Tillegg',''), 'stk', 1+(s*13)%20000
FROM (SELECT seq+0 AS s FROM seq_1_to_100000) q;

INSERT INTO items (productcode, producttext, itemcount, itemdelivered, itemremain, price, discount, sum, cost, sumcost, VATcode, `date`, mark, piece, customerid)
SELECT CONCAT('P',LPAD(1+(s*7919)%100000,6,'0')), CONCAT('Vare ',1+(s*7919)%100000),
 1+s%10, IF(s%3=0,1+s%10,0), IF(s%3=0,0,1+s%10), ROUND(8+(s*37)%3000/4*1.6,2), IF(s%7=0,10,0),
 ROUND((1+s%10)*ROUND(8+(s*37)%3000/4*1.6,2)*IF(s%7=0,0.9,1),2), ROUND(5+(s*37)%3000/4,2),
 ROUND((1+s%10)*ROUND(5+(s*37)%3000/4,2),2), IF(s%50=0,4,0),
 DATE_SUB('2026-12-01 12:00:00', INTERVAL (200000-s)*3650 DIV 200000 DAY), IF(s%5=0,'Tillegg',''), 'stk', 1+(s*13)%20000
FROM (SELECT seq+0 AS s FROM seq_1_to_100000) q;

INSERT INTO items (productcode, producttext, itemcount, itemdelivered, itemremain, price, discount, sum, cost, sumcost, VATcode, `date`, mark, piece, customerid)
SELECT CONCAT('P',LPAD(1+(s*7919)%100000,6,'0')), CONCAT('Vare ',1+(s*7919)%100000),
 1+s%10, IF(s%3=0,1+s%10,0), IF(s%3=0,0,1+s%10), ROUND(8+(s*37)%3000/4*1.6,2), IF(s%7=0,10,0),
 ROUND((1+s%10)*ROUND(8+(s*37)%3000/4*1.6,2)*IF(s%7=0,0.9,1),2), ROUND(5+(s*37)%3000/4,2),
 ROUND((1+s%10)*ROUND(5+(s*37)%3000/4,2),2), IF(s%50=0,4,0),
 DATE_SUB('2026-12-01 12:00:00', INTERVAL (200000-s)*3650 DIV 200000 DAY), IF(s%5=0,'Tillegg',''), 'stk', 1+(s*13)%20000
FROM (SELECT seq+100000 AS s FROM seq_1_to_100000) q;

UPDATE `orders` d JOIN (SELECT orderid AS id, SUM(`sum`) AS s, SUM(sumcost) AS c,
 SUM(`sum`*IF(VATcode=4,0,0.25)) AS v FROM items WHERE orderid>0 GROUP BY orderid) t ON d.id=t.id
SET d.ordertotal=ROUND(t.s,2), d.ordercost=ROUND(t.c,2), d.orderVAT=ROUND(t.v,2), d.profit=ROUND(t.s-t.c,2);

UPDATE `invoice` d JOIN (SELECT invoiceid AS id, SUM(`sum`) AS s, SUM(sumcost) AS c,
 SUM(`sum`*IF(VATcode=4,0,0.25)) AS v FROM items WHERE invoiceid>0 GROUP BY invoiceid) t ON d.id=t.id
SET d.ordertotal=ROUND(t.s,2), d.ordercost=ROUND(t.c,2), d.orderVAT=ROUND(t.v,2), d.profit=ROUND(t.s-t.c,2);

UPDATE `offer` d JOIN (SELECT offerid AS id, SUM(`sum`) AS s, SUM(sumcost) AS c,
 SUM(`sum`*IF(VATcode=4,0,0.25)) AS v FROM items WHERE offerid>0 GROUP BY offerid) t ON d.id=t.id
SET d.ordertotal=ROUND(t.s,2), d.ordercost=ROUND(t.c,2), d.orderVAT=ROUND(t.v,2), d.profit=ROUND(t.s-t.c,2);

UPDATE `po` d JOIN (SELECT poid AS id, SUM(`sum`) AS s, SUM(sumcost) AS c,
 SUM(`sum`*IF(VATcode=4,0,0.25)) AS v FROM items WHERE poid>0 GROUP BY poid) t ON d.id=t.id
SET d.ordertotal=ROUND(t.s,2), d.ordercost=ROUND(t.c,2), d.orderVAT=ROUND(t.v,2), d.profit=ROUND(t.s-t.c,2);

INSERT INTO accounts (account, accountname, vatcode, active) VALUES
(1500,'Kundefordringer',0,1),(1920,'Bankinnskudd',0,1),(2400,'Leverandørgjeld',0,1),(2700,'Utgående merverdiavgift',4,1),
(2710,'Inngående merverdiavgift',1,1),(3000,'Salgsinntekt, avgiftspliktig',4,1),(3100,'Salgsinntekt, avgiftsfri',0,1),
(4000,'Varekjøp',1,1),(5000,'Lønn til ansatte',0,1),(6300,'Leie lokale',1,1),(6800,'Kontorrekvisita',1,1),(7000,'Drivstoff',1,1);

INSERT INTO entries (entrydate, `sum`, from_account, to_account, entrytext, vatcode, vatsum, companyid, invoiceno)
SELECT DATE_SUB('2026-12-01', INTERVAL (300000-s)*3650 DIV 300000 DAY), ROUND(100+(s*53)%20000/3,2),
 ELT(1+s%4,3000,2400,1920,1920), ELT(1+s%4,1500,4000,6300,7000), CONCAT('Bilag ',s), IF(s%4=0,0,1),
 ROUND((100+(s*53)%20000/3)*0.25,2), 1+(s*13)%20000, CONCAT('',100000+1+s%60000)
FROM (SELECT seq+0 AS s FROM seq_1_to_100000) q;

INSERT INTO entries (entrydate, `sum`, from_account, to_account, entrytext, vatcode, vatsum, companyid, invoiceno)
SELECT DATE_SUB('2026-12-01', INTERVAL (300000-s)*3650 DIV 300000 DAY), ROUND(100+(s*53)%20000/3,2),
 ELT(1+s%4,3000,2400,1920,1920), ELT(1+s%4,1500,4000,6300,7000), CONCAT('Bilag ',s), IF(s%4=0,0,1),
 ROUND((100+(s*53)%20000/3)*0.25,2), 1+(s*13)%20000, CONCAT('',100000+1+s%60000)
FROM (SELECT seq+100000 AS s FROM seq_1_to_100000) q;

INSERT INTO entries (entrydate, `sum`, from_account, to_account, entrytext, vatcode, vatsum, companyid, invoiceno)
SELECT DATE_SUB('2026-12-01', INTERVAL (300000-s)*3650 DIV 300000 DAY), ROUND(100+(s*53)%20000/3,2),
 ELT(1+s%4,3000,2400,1920,1920), ELT(1+s%4,1500,4000,6300,7000), CONCAT('Bilag ',s), IF(s%4=0,0,1),
 ROUND((100+(s*53)%20000/3)*0.25,2), 1+(s*13)%20000, CONCAT('',100000+1+s%60000)
FROM (SELECT seq+200000 AS s FROM seq_1_to_100000) q;

INSERT INTO project (projectnumber, projectname, projectcompany, startdate, enddate, projectstatus, department)
SELECT CONCAT('PR',LPAD(seq,5,'0')), CONCAT(ELT(1+seq%5,'Rehabilitering','Nybygg','Service','Oppgradering','Vedlikehold'),' ',seq),
 1+(seq*13)%20000, DATE_SUB('2026-12-01', INTERVAL (5000-seq)*3650 DIV 5000 DAY),
 DATE_SUB('2027-03-01', INTERVAL (5000-seq)*3650 DIV 5000 DAY), IF(seq%10=0,10,20), 'Montasje'
FROM seq_1_to_5000;

INSERT INTO subproject (project, systemnumber, systemname, systemstatus)
SELECT 1+(seq-1) DIV 4, CONCAT('S',LPAD(seq,5,'0')), CONCAT('Del ',seq), IF(seq%10=0,10,20)
FROM seq_1_to_20000;

INSERT INTO calendar (time_from, time_to, subject, status, userid, hours, event_type, timetype, projectid, orderid, read_order)
SELECT DATE_ADD(DATE_SUB('2026-12-01 07:00:00', INTERVAL (200000-s)*3650 DIV 200000 DAY), INTERVAL s%3 HOUR),
 DATE_ADD(DATE_SUB('2026-12-01 15:00:00', INTERVAL (200000-s)*3650 DIV 200000 DAY), INTERVAL s%3 HOUR),
 CONCAT(ELT(1+s%4,'Montasje','Service','Befaring','Møte'),' ',s), IF(s%10=0,0,20), 1+s%20, 7.5, 1+s%3, 1, 1+s%5000,
 IF(s%10=0,0,1+s%60000), IF(s%10=0,0,1)
FROM (SELECT seq+0 AS s FROM seq_1_to_100000) q;

INSERT INTO calendar (time_from, time_to, subject, status, userid, hours, event_type, timetype, projectid, orderid, read_order)
SELECT DATE_ADD(DATE_SUB('2026-12-01 07:00:00', INTERVAL (200000-s)*3650 DIV 200000 DAY), INTERVAL s%3 HOUR),
 DATE_ADD(DATE_SUB('2026-12-01 15:00:00', INTERVAL (200000-s)*3650 DIV 200000 DAY), INTERVAL s%3 HOUR),
 CONCAT(ELT(1+s%4,'Montasje','Service','Befaring','Møte'),' ',s), IF(s%10=0,0,20), 1+s%20, 7.5, 1+s%3, 1, 1+s%5000,
 IF(s%10=0,0,1+s%60000), IF(s%10=0,0,1)
FROM (SELECT seq+100000 AS s FROM seq_1_to_100000) q;

INSERT INTO asset (assetnumber, assetname, serial, model, location, status, priority, projectid, price)
SELECT CONCAT('=',LPAD(seq,5,'0'),'.001'), CONCAT(ELT(1+seq%4,'Tavle','Varmepumpe','Nødlys','Ventilasjon'),' ',seq),
 CONCAT('SN',seq), CONCAT('M',seq%100), CONCAT('Bygg ',seq%50), seq%3, seq%5, 1+seq%5000, ROUND(1000+(seq*17)%50000,2)
FROM seq_1_to_10000;

INSERT INTO document (subject, category, document_name, document_path, document_type, document_mime, document_size, companyid, projectid, `user`, document_created, created)
SELECT CONCAT('Dokument ',seq), ELT(1+seq%4,'Tegning','Kontrakt','Faktura','Bilde'), CONCAT('dok',seq,'.pdf'),
 CONCAT('arkiv/',seq%100), IF(seq%4=3,3,1), 'application/pdf', 10000+seq%500000, 1+(seq*13)%20000, 1+seq%5000, 1+seq%20,
 DATE_SUB('2026-12-01 10:00:00', INTERVAL (50000-seq)*3650 DIV 50000 DAY),
 DATE_FORMAT(DATE_SUB('2026-12-01', INTERVAL (50000-seq)*3650 DIV 50000 DAY),'%d.%m.%Y')
FROM seq_1_to_50000;
