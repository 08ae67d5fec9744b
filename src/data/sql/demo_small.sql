-- Kvarnel demo company: Nordvik Elektro AS, a small electrical contractor in Drammen.
--
-- Loaded into an empty database right after the schema. Ids are explicit so rows can
-- refer to each other. Amounts follow the program's own rules: an item line's sum is
-- count x (price - price/100 x discount), its cost sum count x cost, a document's
-- ordertotal and ordercost are the sums over its lines and orderVAT the VAT per line
-- (VAT codes 0..4 = 25, 13, 12, 11, 0 per cent, on the cost sum for purchase orders).
-- Product prices are cost + cost/100 x mark-up + mark-up amount, and cost prices
-- cost - cost/100 x discount + freight + direct cost. Hours of calendar rows are split
-- as the time rules do with the working day ending 16:00 and a 30 minute break at 11:30.
--
-- E-mail addresses and web addresses use the reserved .example domain so that trying
-- out the mail and web functions never reaches a real recipient.
-- Statement rules: one statement per semicolon at a line end, no semicolons elsewhere.

SET NAMES utf8mb4;

-- User groups. group_id is what users.defaultgroup and every usergroup refer to.
INSERT INTO `groups` (`id`, `user`, `usergroup`, `group_id`, `group_name`, `group_members`, `persons`) VALUES
(1, 1, 100, 100, 'Ansatte', 'KN, OB, IS, MH, SL', 'KN, OB, IS, MH, SL'),
(2, 1, 100, 110, 'Salg og kontor', 'KN, IS', 'KN, IS'),
(3, 1, 100, 120, 'Montører', 'OB, MH', 'OB, MH'),
(4, 1, 100, 130, 'Lager og innkjøp', 'SL', 'SL'),
(5, 1, 100, 149, 'Begrenset tilgang', '', NULL);

-- Employees. The login name demo belongs to the managing director.
INSERT INTO `users` (`id`, `user`, `usergroup`, `rwx_all`, `activ`, `doorkey`, `username`, `passwd`, `passwdvariant`, `realname`, `email`, `defaultgroup`, `streetaddress`, `postalcode`, `city`, `homephone`, `mobilephone`, `internalphone`, `lastip`, `logoncount`, `companyid`, `title`, `department`, `birth`, `gender`, `initials`, `persons`) VALUES
(1, 1, 100, 5, 1, '0412', 'demo', '', 0, 'Kari Nordvik', 'kari@nordvik-elektro.example', 100, 'Åsveien 14', '3024', 'DRAMMEN', '', '926 14 580', '32 21 45 61', '192.168.10.21', 184, 1, 'Daglig leder', 'Administrasjon', '14.03.1972', 2, 'KN', NULL),
(2, 1, 100, 5, 1, '0413', 'ole', '', 0, 'Ole Berntsen', 'ole@nordvik-elektro.example', 100, 'Skogliveien 3', '3050', 'MJØNDALEN', '32 87 12 40', '913 55 204', '32 21 45 62', '192.168.10.34', 96, 1, 'Elektriker', 'Montasje', '02.09.1985', 1, 'OB', NULL),
(3, 1, 100, 5, 1, '0414', 'ingrid', '', 0, 'Ingrid Solheim', 'ingrid@nordvik-elektro.example', 100, 'Konnerudgata 41', '3045', 'DRAMMEN', '', '478 20 913', '32 21 45 63', '192.168.10.22', 152, 1, 'Salgskonsulent', 'Salg', '21.06.1990', 2, 'IS', NULL),
(4, 1, 100, 0, 1, '0415', 'magnus', '', 0, 'Magnus Haugen', 'magnus@nordvik-elektro.example', 100, 'Lierbyveien 77', '3400', 'LIER', '', '995 31 672', '32 21 45 64', '192.168.10.35', 120, 1, 'Prosjektleder', 'Prosjekt', '30.11.1981', 1, 'MH', NULL),
(5, 1, 100, 0, 1, '0416', 'sofie', '', 0, 'Sofie Lunde', 'sofie@nordvik-elektro.example', 100, 'Tollbugata 3', '3044', 'DRAMMEN', '', '412 86 039', '32 21 45 65', '192.168.10.23', 41, 1, 'Lagermedarbeider', 'Lager', '08.05.1998', 2, 'SL', NULL);

-- Companies. Row 1 is the own company (users.companyid points at it).
INSERT INTO `company` (`id`, `user`, `usergroup`, `orgnumber`, `companyname`, `email`, `streetaddress`, `postaladdress`, `postalcode`, `city`, `phone`, `telefax`, `homepage`, `customer`, `vendor`, `equipvendor`, `partner`, `mycontact`, `defaultcontact`, `blacklisted`, `branch`, `custno`, `tax`, `bankaccount`, `persons`, `object_text`) VALUES
(1, 1, 100, '914 823 056', 'Nordvik Elektro AS', 'post@nordvik-elektro.example', 'Tollbugata 12', 'Postboks 214 Bragernes', '3001', 'DRAMMEN', '32 21 45 60', '32 21 45 69', 'www.nordvik-elektro.example', 0, 0, 0, 0, 1, 0, 0, 'Elektroinstallasjon', '', 1, '2250.11.47382', 'KN, OB, IS, MH, SL', 'Eget firma.'),
(2, 1, 100, '983 127 665', 'Bragernes Eiendom AS', 'post@bragernes-eiendom.example', 'Tollbugata 8', 'Postboks 1130 Bragernes', '3001', 'DRAMMEN', '32 83 10 00', '', 'www.bragernes-eiendom.example', 1, 0, 0, 0, 3, 1, 0, 'Eiendom', '10002', 1, '', 'IS, MH', 'Rammeavtale på service av fellesanlegg.'),
(3, 1, 100, '991 574 220', 'Lier Rørleggerservice AS', 'post@lier-ror.example', 'Gullaugveien 2', '', '3400', 'LIER', '32 84 22 10', '', 'www.lier-ror.example', 1, 0, 0, 1, 3, 3, 0, 'VVS', '10003', 1, '', 'IS', NULL),
(4, 1, 100, '976 203 852', 'Holmestrand Bakeri AS', 'bestilling@holmestrand-bakeri.example', 'Langgaten 31', '', '3080', 'HOLMESTRAND', '33 05 41 70', '', '', 1, 0, 0, 0, 2, 4, 0, 'Næringsmiddel', '10004', 1, '', 'OB', NULL),
(5, 1, 100, '964 851 301', 'Kongsberg Mekaniske Verksted AS', 'post@kmv.example', 'Kirkegårdsveien 45', 'Postboks 410', '3616', 'KONGSBERG', '32 72 98 00', '32 72 98 01', 'www.kmv.example', 1, 0, 0, 0, 4, 6, 0, 'Industri', '10005', 1, '', 'MH', 'Stor kunde, egen elansvarlig.'),
(6, 1, 100, '993 402 184', 'Sande Barnehage SA', 'styrer@sande-barnehage.example', 'Prestegårdsveien 6', '', '3070', 'SANDE I VESTFOLD', '33 77 60 12', '', '', 1, 0, 0, 0, 3, 7, 0, 'Barnehage', '10006', 1, '', 'IS', NULL),
(7, 1, 100, '980 214 737', 'Asker Tannklinikk AS', 'resepsjon@asker-tann.example', 'Knud Askers vei 26', '', '1383', 'ASKER', '66 90 12 34', '', 'www.asker-tann.example', 1, 0, 0, 0, 3, 8, 0, 'Helse', '10007', 1, '', 'IS', NULL),
(8, 1, 100, '971 884 010', 'Hokksund Sportssenter AS', 'post@hokksund-sport.example', 'Idrettsveien 10', '', '3300', 'HOKKSUND', '32 75 40 00', '', '', 1, 0, 0, 0, 2, 10, 0, 'Idrett', '10008', 1, '', 'OB', NULL),
(9, 1, 100, '996 720 349', 'Tønsberg Sjøsport AS', 'butikk@tonsberg-sjosport.example', 'Nedre Langgate 40', '', '3126', 'TØNSBERG', '33 31 22 80', '', 'www.tonsberg-sjosport.example', 1, 0, 0, 0, 3, 11, 0, 'Handel', '10009', 1, '', 'IS', NULL),
(10, 1, 100, '948 130 270', 'Nordisk Elektrogrossist AS', 'ordre@nordisk-elektro.example', 'Brobekkveien 80', 'Postboks 88 Økern', '0581', 'OSLO', '22 07 45 00', '22 07 45 01', 'www.nordisk-elektro.example', 0, 1, 0, 0, 5, 12, 0, 'Grossist', '', 1, '', 'SL', 'Hovedleverandør. 10 % rabatt på kabel og sikringer.'),
(11, 1, 100, '918 304 622', 'Vestfold Kabel og Lys AS', 'salg@vestfold-kabel.example', 'Fokserødveien 15', '', '3241', 'SANDEFJORD', '33 48 70 00', '', 'www.vestfold-kabel.example', 0, 1, 0, 0, 5, 14, 0, 'Grossist', '', 1, '', 'SL', NULL),
(12, 1, 100, '987 145 021', 'Bergen Verktøy AS', 'ordre@bergen-verktoy.example', 'Strandgaten 54', '', '5003', 'BERGEN', '55 30 18 00', '', 'www.bergen-verktoy.example', 0, 1, 0, 0, 5, 15, 0, 'Verktøy', '', 1, '', 'SL', NULL),
(13, 1, 100, '995 083 167', 'Drammen Maskinutleie AS', 'utleie@drammen-maskin.example', 'Kobbervikdalen 71', '', '3036', 'DRAMMEN', '32 20 66 00', '', 'www.drammen-maskin.example', 0, 1, 1, 0, 4, 16, 0, 'Utleie', '', 1, '', 'MH', NULL),
(14, 1, 100, '973 509 829', 'Buskerud Regnskapskontor AS', 'post@buskerud-regnskap.example', 'Grønland 58', '', '3045', 'DRAMMEN', '32 26 90 50', '', 'www.buskerud-regnskap.example', 0, 0, 0, 1, 1, 17, 0, 'Regnskap', '', 1, '', 'KN', 'Fører regnskapet og lønn.'),
(15, 1, 100, '928 476 154', 'Byggmester Hansen og Sønn AS', 'firmapost@hansen-bygg.example', 'Rosenkrantzgata 9', '', '3050', 'MJØNDALEN', '32 87 55 20', '', 'www.hansen-bygg.example', 1, 0, 0, 1, 4, 18, 0, 'Bygg og anlegg', '10015', 1, '', 'MH, IS', 'Samarbeidspartner på rekkehusprosjekter.'),
(16, 1, 100, '994 617 257', 'Trøndelag Sikkerhet AS', 'post@trondelag-sikkerhet.example', 'Kjøpmannsgata 23', '', '7010', 'TRONDHEIM', '73 80 44 00', '', 'www.trondelag-sikkerhet.example', 0, 1, 0, 1, 5, 20, 0, 'Sikkerhet', '', 1, '', 'SL', NULL),
(17, 1, 100, '920 193 471', 'Rask Montasje Ole Rask', '', 'Storgata 101', '', '2000', 'LILLESTRØM', '', '', '', 1, 0, 0, 0, 3, 21, 1, 'Bygg og anlegg', '10017', 0, '', 'IS', 'Ikke betalt for to oppdrag i 2025. Kun kontant.');

-- Contact persons. Rows 22 to 24 are private customers without a company.
INSERT INTO `contact` (`id`, `user`, `usergroup`, `activ`, `realname`, `email`, `streetaddress`, `postalcode`, `city`, `homephone`, `mobilephone`, `internalphone`, `companyid`, `title`, `department`, `initials`, `home_email`) VALUES
(1, 3, 100, 1, 'Per Andreassen', 'per.andreassen@bragernes-eiendom.example', '', '', '', '', '922 41 306', '32 83 10 12', 2, 'Eiendomssjef', 'Forvaltning', 'PA', ''),
(2, 3, 100, 1, 'Hilde Strand', 'hilde.strand@bragernes-eiendom.example', '', '', '', '', '958 03 217', '32 83 10 15', 2, 'Driftsleder', 'Drift', 'HS', ''),
(3, 3, 100, 1, 'Tor Erik Lie', 'tor.erik@lier-ror.example', '', '', '', '', '934 70 128', '32 84 22 11', 3, 'Daglig leder', '', 'TEL', ''),
(4, 3, 100, 1, 'Anne Berit Holm', 'anne.berit@holmestrand-bakeri.example', '', '', '', '', '481 92 553', '33 05 41 71', 4, 'Daglig leder', '', 'ABH', 'anneberit.holm@epost.example'),
(5, 3, 100, 1, 'Jonas Eriksen', 'jonas.eriksen@kmv.example', '', '', '', '', '905 11 824', '32 72 98 30', 5, 'Vedlikeholdsleder', 'Vedlikehold', 'JE', ''),
(6, 3, 100, 1, 'Marit Aasen', 'marit.aasen@kmv.example', '', '', '', '', '414 27 690', '32 72 98 12', 5, 'Innkjøpssjef', 'Innkjøp', 'MA', ''),
(7, 3, 100, 1, 'Gunnhild Ravnås', 'styrer@sande-barnehage.example', '', '', '', '', '976 40 385', '33 77 60 12', 6, 'Styrer', '', 'GR', ''),
(8, 3, 100, 1, 'Lars Fossum', 'lars.fossum@asker-tann.example', '', '', '', '', '917 25 460', '66 90 12 30', 7, 'Klinikksjef', '', 'LF', ''),
(9, 3, 100, 1, 'Eva Kristoffersen', 'eva@asker-tann.example', '', '', '', '', '452 18 074', '66 90 12 34', 7, 'Kontorleder', 'Administrasjon', 'EK', ''),
(10, 3, 100, 1, 'Henrik Sørensen', 'henrik@hokksund-sport.example', '', '', '', '', '930 66 512', '32 75 40 01', 8, 'Daglig leder', '', 'HSØ', ''),
(11, 3, 100, 1, 'Camilla Bakke', 'camilla@tonsberg-sjosport.example', '', '', '', '', '468 34 905', '33 31 22 81', 9, 'Butikksjef', 'Butikk', 'CB', ''),
(12, 3, 100, 1, 'Morten Dahl', 'morten.dahl@nordisk-elektro.example', '', '', '', '', '911 48 276', '22 07 45 32', 10, 'Kundeansvarlig', 'Salg', 'MD', ''),
(13, 3, 100, 1, 'Linda Johansen', 'linda.johansen@nordisk-elektro.example', '', '', '', '', '', '22 07 45 10', 10, 'Kundeservice', 'Ordre', 'LJ', ''),
(14, 3, 100, 1, 'Espen Moen', 'espen.moen@vestfold-kabel.example', '', '', '', '', '990 21 437', '33 48 70 12', 11, 'Salgssjef', 'Salg', 'EM', ''),
(15, 3, 100, 1, 'Trine Olsen', 'trine@bergen-verktoy.example', '', '', '', '', '', '55 30 18 05', 12, 'Ordrekontor', 'Ordre', 'TO', ''),
(16, 3, 100, 1, 'Rune Halvorsen', 'rune@drammen-maskin.example', '', '', '', '', '928 57 013', '32 20 66 02', 13, 'Utleieansvarlig', 'Utleie', 'RH', ''),
(17, 3, 100, 1, 'Siri Nilsen', 'siri.nilsen@buskerud-regnskap.example', '', '', '', '', '473 90 251', '32 26 90 55', 14, 'Autorisert regnskapsfører', 'Regnskap', 'SN', ''),
(18, 3, 100, 1, 'Bjørn Hansen', 'bjorn@hansen-bygg.example', '', '', '', '', '900 12 774', '32 87 55 21', 15, 'Byggmester', '', 'BH', ''),
(19, 3, 100, 1, 'Thomas Hansen', 'thomas@hansen-bygg.example', '', '', '', '', '951 63 208', '32 87 55 22', 15, 'Prosjektleder', 'Prosjekt', 'TH', ''),
(20, 3, 100, 1, 'Kjersti Lund', 'kjersti.lund@trondelag-sikkerhet.example', '', '', '', '', '482 75 190', '73 80 44 18', 16, 'Teknisk konsulent', 'Teknisk', 'KL', ''),
(21, 3, 100, 1, 'Ole Rask', '', 'Storgata 101', '2000', 'LILLESTRØM', '', '936 02 418', '', 17, 'Innehaver', '', 'OR', ''),
(22, 3, 100, 1, 'Nina Sæther', '', 'Bøstranda 4', '3440', 'RØYKEN', '31 28 40 16', '948 21 375', '', 0, '', '', 'NS', 'nina.saether@epost.example'),
(23, 3, 100, 1, 'Arne Kvam', '', 'Spikkestadveien 120', '3430', 'SPIKKESTAD', '', '415 60 832', '', 0, '', '', 'AK', 'arne.kvam@epost.example'),
(24, 3, 100, 1, 'Ingeborg Vik', '', 'Kjekstadveien 5', '3410', 'SYLLING', '32 85 17 09', '', '', 0, '', '', 'IV', ''),
(25, 3, 100, 1, 'Øystein Brekke', 'oystein.brekke@kmv.example', '', '', '', '', '977 38 641', '32 72 98 31', 5, 'Elansvarlig', 'Vedlikehold', 'ØB', '');

-- Products and stock. price and real_cost follow from cost, mark-ups, discount and freight.
INSERT INTO `product` (`id`, `user`, `usergroup`, `user_favorite`, `productcode`, `EAN`, `producttext`, `piece`, `productgroup`, `lastpriceupdate`, `cost`, `currency`, `price`, `vatcode`, `freight`, `addpercent`, `addsum`, `value`, `ownproduction`, `firstsale`, `lastsale`, `lastorder`, `instock`, `insale`, `inorder`, `vendor`, `vendorid`, `maxstock`, `minstock`, `weight`, `sale`, `web`, `discount`, `direct_cost`, `real_cost`, `location`, `locationpos`, `inrecentstock`) VALUES
(1, 1, 100, 0, '100101', '2000100101001', 'Installasjonskabel PFSP 3G1,5 mm²', 'm', 'Kabel', '2026-11-02 08:15:00', 6.4, 'NOK', 10.24, 0, 0, 60, 0, 100, 0, '2024-03-04 00:00:00', '2026-12-04 07:30:00', NULL, 1850, 450, 0, 10, 'NE-410015', 3000, 500, 0.09, 1, 0, 10, 0, 5.76, 'Hovedlager', 'A-01-1', 1850),
(2, 1, 100, 1, '100102', '2000100102008', 'Installasjonskabel PFSP 3G2,5 mm²', 'm', 'Kabel', '2026-11-02 08:15:00', 8.9, 'NOK', 14.24, 0, 0, 60, 0, 100, 0, '2024-03-04 00:00:00', '2026-12-04 07:30:00', '2026-10-30 14:00:00', 1240, 100, 0, 10, 'NE-410025', 3000, 500, 0.12, 1, 1, 10, 0, 8.01, 'Hovedlager', 'A-01-2', 1240),
(3, 1, 100, 0, '100103', '2000100103005', 'Installasjonskabel PFXP 5G2,5 mm²', 'm', 'Kabel', '2026-11-02 08:15:00', 18.5, 'NOK', 27.75, 0, 0, 50, 0, 100, 0, '2024-03-04 00:00:00', NULL, NULL, 320, 0, 0, 10, 'NE-420525', 800, 100, 0.21, 1, 0, 10, 0, 16.65, 'Hovedlager', 'A-01-3', 320),
(4, 1, 100, 0, '100104', '2000100104002', 'Installasjonskabel PFSP 5G6 mm²', 'm', 'Kabel', '2026-11-02 08:15:00', 42, 'NOK', 63, 0, 0, 50, 0, 100, 0, '2024-03-04 00:00:00', NULL, NULL, 180, 0, 0, 10, 'NE-420560', 500, 100, 0.43, 1, 0, 10, 0, 37.8, 'Hovedlager', 'A-01-4', 180),
(5, 1, 100, 0, '100105', '2000100105009', 'Datakabel Cat6 U/UTP', 'm', 'Kabel', '2026-11-02 08:15:00', 4.2, 'NOK', 8.4, 0, 0, 100, 0, 100, 0, '2024-03-04 00:00:00', NULL, NULL, 915, 0, 0, 11, 'VKL-C6-305', 1525, 305, 0.04, 1, 1, 0, 0, 4.2, 'Hovedlager', 'A-02-1', 915),
(6, 1, 100, 0, '100106', '2000100106006', 'Jordingskabel 16 mm² gul/grønn', 'm', 'Kabel', '2026-11-02 08:15:00', 21, 'NOK', 31.5, 0, 0, 50, 0, 100, 0, '2024-03-04 00:00:00', NULL, NULL, 95, 0, 0, 10, 'NE-430016', 300, 50, 0.17, 1, 0, 10, 0, 18.9, 'Hovedlager', 'A-02-2', 95),
(7, 1, 100, 1, '200201', '2000200201007', 'Bryter 1-pol innfelt hvit', 'stk', 'Brytere', '2026-11-02 08:15:00', 38, 'NOK', 68.4, 0, 0, 80, 0, 100, 0, '2024-03-04 00:00:00', NULL, '2026-11-20 14:00:00', 64, 58, 40, 11, 'VKL-B1P-H', 200, 40, 0.08, 1, 1, 0, 0, 38, 'Hovedlager', 'B-01-1', 64),
(8, 1, 100, 0, '200202', '2000200202004', 'Trappebryter innfelt hvit', 'stk', 'Brytere', '2026-11-02 08:15:00', 52, 'NOK', 93.6, 0, 0, 80, 0, 100, 0, '2024-03-04 00:00:00', NULL, NULL, 35, 0, 0, 11, 'VKL-B3W-H', 100, 20, 0.08, 1, 1, 0, 0, 52, 'Hovedlager', 'B-01-2', 35),
(9, 1, 100, 0, '200203', '2000200203001', 'Dimmer LED 5-200 W innfelt', 'stk', 'Brytere', '2026-11-02 08:15:00', 310, 'NOK', 496, 0, 0, 60, 0, 100, 0, '2024-03-04 00:00:00', NULL, NULL, 14, 0, 0, 11, 'VKL-DIM200', 30, 5, 0.11, 1, 1, 0, 0, 310, 'Hovedlager', 'B-01-3', 14),
(10, 1, 100, 0, '200204', '2000200204008', 'Bevegelsessensor utendørs IP55', 'stk', 'Brytere', '2026-11-02 08:15:00', 420, 'NOK', 672, 0, 0, 60, 0, 100, 0, '2024-03-04 00:00:00', NULL, NULL, 8, 4, 0, 11, 'VKL-PIR55', 20, 4, 0.19, 1, 1, 0, 0, 420, 'Hovedlager', 'B-01-4', 8),
(11, 1, 100, 1, '300301', '2000300301003', 'Stikkontakt dobbel innfelt hvit', 'stk', 'Stikk', '2026-11-02 08:15:00', 64, 'NOK', 112, 0, 0, 75, 0, 100, 0, '2024-03-04 00:00:00', '2026-12-04 07:30:00', '2026-11-20 14:00:00', 116, 60, 0, 11, 'VKL-S2-H', 300, 50, 0.1, 1, 1, 0, 0, 64, 'Hovedlager', 'B-02-1', 116),
(12, 1, 100, 0, '300302', '2000300302000', 'Stikkontakt enkel utendørs IP44', 'stk', 'Stikk', '2026-11-02 08:15:00', 89, 'NOK', 155.75, 0, 0, 75, 0, 100, 0, '2024-03-04 00:00:00', '2026-11-06 07:30:00', NULL, 22, 0, 0, 11, 'VKL-S1-IP44', 60, 10, 0.12, 1, 1, 0, 0, 89, 'Hovedlager', 'B-02-2', 22),
(13, 1, 100, 0, '300303', '2000300303007', 'Koblingsboks innfelt 1-veis', 'stk', 'Stikk', '2026-11-02 08:15:00', 7.5, 'NOK', 15, 0, 0, 100, 0, 100, 0, '2024-03-04 00:00:00', '2026-12-04 07:30:00', NULL, 380, 0, 0, 10, 'NE-510001', 1000, 200, 0.02, 1, 0, 10, 0, 6.75, 'Hovedlager', 'B-02-3', 380),
(14, 1, 100, 0, '300304', '2000300304004', 'Koblingsboks påvegg IP55', 'stk', 'Stikk', '2026-11-02 08:15:00', 24, 'NOK', 48, 0, 0, 100, 0, 100, 0, '2024-03-04 00:00:00', '2026-11-06 07:30:00', NULL, 48, 0, 0, 10, 'NE-510055', 120, 20, 0.09, 1, 0, 10, 0, 21.6, 'Hovedlager', 'B-02-4', 48),
(15, 1, 100, 1, '400401', '2000400401009', 'Automatsikring C16 1-pol+N', 'stk', 'Sikring', '2026-11-02 08:15:00', 145, 'NOK', 232, 0, 0, 60, 0, 100, 0, '2024-03-04 00:00:00', NULL, NULL, 42, 0, 0, 10, 'NE-610016', 100, 20, 0.11, 1, 0, 10, 0, 130.5, 'Hovedlager', 'C-01-1', 42),
(16, 1, 100, 0, '400402', '2000400402006', 'Jordfeilautomat C16 30 mA type A', 'stk', 'Sikring', '2026-11-02 08:15:00', 520, 'NOK', 780, 0, 0, 50, 0, 100, 0, '2024-03-04 00:00:00', '2026-12-04 07:30:00', '2026-10-30 14:00:00', 26, 0, 0, 10, 'NE-620016', 60, 10, 0.22, 1, 0, 10, 0, 468, 'Hovedlager', 'C-01-2', 26),
(17, 1, 100, 0, '400403', '2000400403003', 'Jordfeilbryter 40 A 4-pol 30 mA', 'stk', 'Sikring', '2026-11-02 08:15:00', 860, 'NOK', 1290, 0, 0, 50, 0, 100, 0, '2024-03-04 00:00:00', NULL, NULL, 6, 0, 0, 10, 'NE-630040', 15, 3, 0.38, 1, 0, 10, 0, 774, 'Hovedlager', 'C-01-3', 6),
(18, 1, 100, 0, '400404', '2000400404000', 'Overspenningsvern type 2, 3-fas', 'stk', 'Sikring', '2026-11-02 08:15:00', 1240, 'NOK', 1736, 0, 0, 40, 0, 100, 0, '2024-03-04 00:00:00', NULL, NULL, 3, 0, 0, 10, 'NE-640002', 10, 2, 0.45, 1, 0, 10, 0, 1116, 'Hovedlager', 'C-01-4', 3),
(19, 1, 100, 0, '400405', '2000400405007', 'Sikringsskap 24 moduler', 'stk', 'Sikring', '2026-11-02 08:15:00', 1450, 'NOK', 2130, 0, 85, 40, 100, 100, 0, '2024-03-04 00:00:00', '2026-12-04 07:30:00', '2026-10-30 14:00:00', 2, 0, 0, 10, 'NE-650024', 8, 2, 4.8, 1, 0, 10, 0, 1390, 'Hovedlager', 'C-02-1', 2),
(20, 1, 100, 1, '500501', '2000500501005', 'LED downlight 8 W 2700 K IP44', 'stk', 'Belysning', '2026-11-02 08:15:00', 129, 'NOK', 232.2, 0, 0, 80, 0, 100, 0, '2024-03-04 00:00:00', '2026-12-04 07:30:00', '2026-11-20 14:00:00', 74, 30, 40, 11, 'VKL-DL8-27', 250, 40, 0.21, 1, 1, 0, 0, 129, 'Hovedlager', 'D-01-1', 74),
(21, 1, 100, 0, '500502', '2000500502002', 'LED-panel 60x60 36 W 4000 K', 'stk', 'Belysning', '2026-11-02 08:15:00', 540, 'NOK', 864, 0, 25, 60, 0, 100, 0, '2024-03-04 00:00:00', NULL, NULL, 12, 48, 48, 11, 'VKL-P6060-40', 60, 10, 3.2, 1, 1, 0, 0, 565, 'Hovedlager', 'D-01-2', 12),
(22, 1, 100, 0, '500503', '2000500503009', 'LED-lysrør T8 120 cm 18 W', 'stk', 'Belysning', '2026-11-02 08:15:00', 62, 'NOK', 124, 0, 0, 100, 0, 100, 0, '2024-03-04 00:00:00', '2026-11-19 07:30:00', NULL, 40, 0, 0, 11, 'VKL-T8-120', 200, 40, 0.18, 1, 0, 0, 0, 62, 'Hovedlager', 'D-01-3', 40),
(23, 1, 100, 0, '500504', '2000500504006', 'Utelampe vegg antrasitt E27', 'stk', 'Belysning', '2026-11-02 08:15:00', 390, 'NOK', 663, 0, 0, 70, 0, 100, 0, '2024-03-04 00:00:00', NULL, NULL, 9, 0, 0, 11, 'VKL-UV27-A', 24, 4, 0.95, 1, 1, 0, 0, 390, 'Hovedlager', 'D-01-4', 9),
(24, 1, 100, 0, '500505', '2000500505003', 'Nødlys LED 3 t autotest', 'stk', 'Belysning', '2026-11-02 08:15:00', 780, 'NOK', 1170, 0, 0, 50, 0, 100, 0, '2024-03-04 00:00:00', NULL, NULL, 18, 0, 0, 16, 'TS-NL3A', 40, 6, 0.6, 1, 0, 0, 0, 780, 'Hovedlager', 'D-02-1', 18),
(25, 1, 100, 0, '600601', '2000600601001', 'Installasjonsrør 16 mm grå', 'm', 'Rør', '2026-11-02 08:15:00', 5.2, 'NOK', 10.4, 0, 0, 100, 0, 100, 0, '2024-03-04 00:00:00', NULL, NULL, 450, 0, 0, 10, 'NE-710016', 1500, 200, 0.05, 1, 0, 10, 0, 4.68, 'Hovedlager', 'E-01-1', 450),
(26, 1, 100, 0, '600602', '2000600602008', 'Kabelkanal 40x60 hvit 2 m', 'stk', 'Rør', '2026-11-02 08:15:00', 96, 'NOK', 153.6, 0, 0, 60, 0, 100, 0, '2024-03-04 00:00:00', NULL, NULL, 36, 30, 30, 10, 'NE-720460', 120, 20, 1.1, 1, 0, 10, 0, 86.4, 'Hovedlager', 'E-01-2', 36),
(27, 1, 100, 1, '600603', '2000600603005', 'Kabelstrips 200 mm 100 pk', 'pk', 'Rør', '2026-11-02 08:15:00', 34, 'NOK', 68, 0, 0, 100, 0, 100, 0, '2024-03-04 00:00:00', NULL, NULL, 58, 0, 0, 12, 'BV-KS200', 150, 20, 0.15, 1, 0, 0, 0, 34, 'Hovedlager', 'E-02-1', 58),
(28, 1, 100, 0, '600604', '2000600604002', 'Kabelklammer 7-12 mm 100 pk', 'pk', 'Rør', '2026-11-02 08:15:00', 58, 'NOK', 104.4, 0, 0, 80, 0, 100, 0, '2024-03-04 00:00:00', NULL, NULL, 24, 0, 0, 12, 'BV-KK712', 80, 10, 0.2, 1, 0, 0, 0, 58, 'Hovedlager', 'E-02-2', 24),
(29, 1, 100, 0, '600605', '2000600605009', 'Koblingsklemme 3-leder 50 pk', 'pk', 'Rør', '2026-11-02 08:15:00', 145, 'NOK', 232, 0, 0, 60, 0, 100, 0, '2024-03-04 00:00:00', NULL, NULL, 19, 0, 0, 10, 'NE-730350', 60, 10, 0.25, 1, 0, 10, 0, 130.5, 'Hovedlager', 'E-02-3', 19),
(30, 1, 100, 1, '700701', '2000700701007', 'Røykvarsler optisk 230 V', 'stk', 'Smarthus', '2026-11-02 08:15:00', 265, 'NOK', 424, 0, 0, 60, 0, 100, 0, '2024-03-04 00:00:00', NULL, NULL, 21, 0, 0, 16, 'TS-RV230', 60, 10, 0.3, 1, 1, 0, 0, 265, 'Hovedlager', 'F-01-1', 21),
(31, 1, 100, 0, '700702', '2000700702004', 'Smart termostat for gulvvarme', 'stk', 'Smarthus', '2026-11-02 08:15:00', 890, 'NOK', 1335, 0, 0, 50, 0, 100, 0, '2024-03-04 00:00:00', NULL, NULL, 7, 0, 0, 11, 'VKL-TST-SM', 20, 4, 0.25, 1, 1, 0, 0, 890, 'Hovedlager', 'F-01-2', 7),
(32, 1, 100, 0, '700703', '2000700703001', 'Varmekabel 10 W/m 100 m', 'rull', 'Smarthus', '2026-11-02 08:15:00', 2400, 'NOK', 3360, 0, 0, 40, 0, 100, 0, '2024-03-04 00:00:00', NULL, NULL, 4, 0, 0, 11, 'VKL-VK10-100', 10, 2, 6.2, 1, 1, 0, 0, 2400, 'Hovedlager', 'F-01-3', 4),
(33, 1, 100, 0, '700704', '2000700704008', 'Elbillader 22 kW type 2', 'stk', 'Smarthus', '2026-11-02 08:15:00', 7900, 'NOK', 10770, 0, 150, 30, 500, 100, 0, '2024-03-04 00:00:00', NULL, NULL, 3, 0, 0, 10, 'NE-EVC22', 10, 2, 5.4, 1, 1, 0, 0, 8050, 'Hovedlager', 'F-02-1', 3),
(34, 1, 100, 0, '700705', '2000700705005', 'Dørtelefonsett 2-tråd', 'stk', 'Smarthus', '2026-11-02 08:15:00', 3200, 'NOK', 4480, 0, 0, 40, 0, 100, 0, '2024-03-04 00:00:00', NULL, NULL, 2, 0, 0, 16, 'TS-DT2W', 6, 1, 2.1, 1, 0, 0, 0, 3200, 'Hovedlager', 'F-02-2', 2),
(35, 1, 100, 0, '700706', '2000700706002', 'Innbruddsalarm startpakke', 'stk', 'Smarthus', '2026-11-02 08:15:00', 4100, 'NOK', 5535, 0, 0, 35, 0, 100, 0, '2024-03-04 00:00:00', NULL, NULL, 2, 0, 0, 16, 'TS-ALR-ST', 6, 1, 3.4, 1, 1, 0, 0, 4100, 'Hovedlager', 'F-02-3', 2),
(36, 1, 100, 0, '800801', '2000800801003', 'Isolert skrutrekkersett 7 deler', 'sett', 'Verktøy', '2026-11-02 08:15:00', 390, 'NOK', 624, 0, 0, 60, 0, 100, 0, '2024-03-04 00:00:00', NULL, NULL, 5, 0, 0, 12, 'BV-ISK7', 12, 2, 0.85, 1, 1, 0, 0, 390, 'Hovedlager', 'G-01-1', 5),
(37, 1, 100, 0, '800802', '2000800802000', 'Avisoleringstang automatisk', 'stk', 'Verktøy', '2026-11-02 08:15:00', 280, 'NOK', 448, 0, 0, 60, 0, 100, 0, '2024-03-04 00:00:00', NULL, NULL, 4, 0, 0, 12, 'BV-ATA', 10, 2, 0.3, 1, 0, 0, 0, 280, 'Hovedlager', 'G-01-2', 4),
(38, 1, 100, 0, '800803', '2000800803007', 'Spenningstester to-pol', 'stk', 'Verktøy', '2026-11-02 08:15:00', 650, 'NOK', 975, 0, 0, 50, 0, 100, 0, '2024-03-04 00:00:00', NULL, NULL, 1, 0, 0, 12, 'BV-ST2P', 6, 2, 0.4, 1, 0, 0, 0, 650, 'Hovedlager', 'G-01-3', 1),
(39, 1, 100, 0, '800804', '2000800804004', 'Hammerbor SDS-plus 6x160', 'stk', 'Verktøy', '2026-11-02 08:15:00', 42, 'NOK', 84, 0, 0, 100, 0, 100, 0, '2024-03-04 00:00:00', NULL, NULL, 3, 0, 0, 12, 'BV-SDS6160', 50, 10, 0.05, 1, 0, 0, 0, 42, 'Hovedlager', 'G-01-4', 3),
(40, 1, 100, 0, '900901', '2000900901009', 'Håndbok NEK 400:2022', 'stk', 'Litteratur', '2026-11-02 08:15:00', 1450, 'NOK', 1740, 4, 0, 20, 0, 100, 0, '2024-03-04 00:00:00', NULL, NULL, 3, 0, 0, 10, 'NE-NEK400', 6, 1, 1.6, 1, 0, 0, 0, 1450, 'Hovedlager', 'H-01-1', 3),
(41, 1, 100, 0, '900902', '', 'Frakt og emballasje', 'stk', 'Tjenester', '2026-01-05 09:00:00', 0, '', 195, 0, 0, 0, 195, 100, 1, NULL, NULL, NULL, 0, 0, 0, 0, '', 0, 0, 0, 0, 0, 0, 0, 0, '', '', 0),
(42, 1, 100, 1, '900903', '', 'Arbeid elektriker', 'TIM', 'Arbeid', '2026-01-05 09:00:00', 450, '', 745, 0, 0, 0, 295, 100, 1, NULL, NULL, NULL, 0, 180, 0, 0, '', 0, 0, 0, 1, 0, 0, 0, 450, '', '', 0),
(43, 1, 100, 0, '900904', '', 'Arbeid lærling', 'TIM', 'Arbeid', '2026-01-05 09:00:00', 280, '', 525, 0, 0, 0, 245, 100, 1, NULL, NULL, NULL, 0, 0, 0, 0, '', 0, 0, 0, 1, 0, 0, 0, 280, '', '', 0),
(44, 1, 100, 0, '900905', '', 'Kjøring servicebil', 'stk', 'Arbeid', '2026-01-05 09:00:00', 150, '', 495, 0, 0, 0, 345, 100, 1, NULL, NULL, NULL, 0, 0, 0, 0, '', 0, 0, 0, 1, 0, 0, 0, 150, '', '', 0);

-- Projects and their parts.
INSERT INTO `project` (`id`, `user`, `usergroup`, `projectnumber`, `projectname`, `internalcontact`, `projectcompany`, `projectcontact`, `adminaddress`, `projectlocation`, `schemafile`, `startdate`, `enddate`, `account`, `calc_cost`, `acc_cost`, `calc_hours`, `acc_hours`, `projectstatus`, `department`, `persons`, `object_text`) VALUES
(1, 4, 100, '26001', 'Bragernes Eiendom, el-anlegg Tollbugata 8', 4, 2, 1, 'Bragernes Eiendom AS / Postboks 1130 Bragernes / 3001 DRAMMEN', 'Tollbugata 8, 3015 DRAMMEN', 'skjema/26001_enlinje.pdf', '2026-09-01 00:00:00', '2027-01-31 00:00:00', 3000, 312000, 168450, 420, 206.5, 10, 'Prosjekt', 'MH, OB, KN', 'Totalrehabilitering av el-anlegget i forretningsgården. Arbeid i 1. etasje før jul, 2. etasje i januar.'),
(2, 4, 100, '26002', 'Kongsberg Mek., ny verkstedbelysning', 4, 5, 6, 'Kongsberg Mekaniske Verksted AS, Postboks 410, 3616 KONGSBERG', 'Kirkegårdsveien 45, 3616 KONGSBERG, hall A', '', '2026-11-16 00:00:00', '2026-12-18 00:00:00', 3000, 62500, 11250, 96, 22.5, 10, 'Prosjekt', 'MH, OB', 'Fastpris iht. tilbud 2002.'),
(3, 3, 100, '26003', 'Lier Rørleggerservice, elbillading', 4, 3, 3, 'Lier Rørleggerservice AS, Gullaugveien 2, 3400 LIER', 'Gullaugveien 2, 3400 LIER', '', '2027-01-11 00:00:00', '2027-02-05 00:00:00', 3000, 48000, 0, 40, 0, 5, 'Prosjekt', 'IS, MH', NULL);

INSERT INTO `subproject` (`id`, `user`, `usergroup`, `project`, `systemnumber`, `systemname`, `internalcontact`, `systemcompany`, `systemcontact`, `startdate`, `enddate`, `calc_cost`, `acc_cost`, `calc_hours`, `acc_hours`, `systemstatus`, `department`, `object_text`) VALUES
(1, 4, 100, 1, '26001-01', 'Inntak og hovedfordeling', 4, 2, 2, '2026-09-01 00:00:00', '2026-11-15 00:00:00', 98000, 61200, 80, 27, 20, 'Prosjekt', 'Ny tavle i kjeller, 400 A inntak.'),
(2, 4, 100, 1, '26001-02', 'Kurser og belysning 1. etasje', 4, 2, 2, '2026-10-26 00:00:00', '2026-12-18 00:00:00', 146000, 92150, 240, 160, 10, 'Prosjekt', NULL),
(3, 4, 100, 1, '26001-03', 'Nødlys og brannvarsling', 2, 2, 2, '2026-11-23 00:00:00', '2027-01-31 00:00:00', 68000, 15100, 100, 19.5, 10, 'Prosjekt', NULL),
(4, 4, 100, 2, '26002-01', 'Demontering av gammel belysning', 2, 5, 5, '2026-11-16 00:00:00', '2026-12-04 00:00:00', 9000, 11250, 24, 22.5, 20, 'Prosjekt', NULL),
(5, 4, 100, 2, '26002-02', 'LED-paneler hall A', 4, 5, 5, '2026-12-07 00:00:00', '2026-12-18 00:00:00', 53500, 0, 72, 0, 10, 'Prosjekt', NULL),
(6, 3, 100, 3, '26003-01', 'Ladepunkter', 4, 3, 3, '2027-01-11 00:00:00', '2027-01-29 00:00:00', 40000, 0, 32, 0, 5, 'Prosjekt', NULL),
(7, 3, 100, 3, '26003-02', 'Effektstyring', 4, 3, 3, '2027-01-25 00:00:00', '2027-02-05 00:00:00', 8000, 0, 8, 0, 5, 'Prosjekt', NULL);

-- Sales orders. Totals are the sums of their lines.
INSERT INTO `orders` (`id`, `user`, `usergroup`, `object_text`, `companyid`, `external_contact`, `userid`, `projectid`, `systemid`, `assetid`, `jobid`, `department`, `subject`, `ordernumber`, `ordertotal`, `ordercost`, `orderVAT`, `currency`, `deliveryaddress`, `orderdate`, `deliverydate`, `status`, `profit`, `transport`, `deliverycondition`, `payment`, `lockedprice`, `pricelock`, `pricelocktext`, `weight`, `volume`, `vatcode`) VALUES
(1, 4, 100, 'Etter tilbud 2001. Timer faktureres løpende.', 2, 1, 4, 1, 2, 0, 0, 'Prosjekt', 'El-anlegg Tollbugata 8, 1. etasje', '1001', 38014.2, 22149, 9503.55, 'NOK', CONCAT_WS(CHAR(13,10 USING utf8mb4), 'Bragernes Eiendom AS', 'Tollbugata 8', '3001 DRAMMEN'), '2026-10-26', NULL, 'Pågående', 15865.2, '', '', '30 dager', 0, 0, '', 0, 0, 0),
(2, 2, 100, NULL, 4, 4, 2, 0, 0, 0, 0, 'Service', 'Service elbillader og nye utestikk', '1002', 3917.5, 2167.4, 979.375, 'NOK', CONCAT_WS(CHAR(13,10 USING utf8mb4), 'Holmestrand Bakeri AS', 'Langgaten 31', '3080 HOLMESTRAND'), '2026-11-04', '2026-11-06', 'Ferdig', 1750.1, 'Servicebil', '', '14 dager', 0, 0, '', 0, 0, 0),
(3, 3, 100, 'Bestilt etter tilbud 2002. Montering uke 51.', 5, 6, 3, 2, 5, 0, 0, 'Salg', 'LED-belysning verkstedhall A', '1003', 96448, 60192, 24112, 'NOK', CONCAT_WS(CHAR(13,10 USING utf8mb4), 'Kongsberg Mekaniske Verksted AS', 'Kirkegårdsveien 45', '3616 KONGSBERG'), '2026-11-25', NULL, 'Ikke startet', 36256, '', '', '30 dager', 0, 0, '', 0, 0, 0),
(4, 4, 100, NULL, 15, 19, 4, 0, 0, 0, 0, 'Prosjekt', 'Elektro rekkehus Mjøndalen, byggetrinn 1', '1004', 132268, 79338, 37250, 'NOK', CONCAT_WS(CHAR(13,10 USING utf8mb4), 'Byggmester Hansen og Sønn AS', 'Rosenkrantzgata 9', '3050 MJØNDALEN'), '2026-11-20', NULL, 'Pågående', 69662, '', '', 'Fri måned og 30 dager', 149000, 1, 'Fastpris iht. kontrakt for byggetrinn 1', 0, 0, 0),
(5, 2, 100, NULL, 8, 10, 2, 0, 0, 0, 0, 'Service', 'Utskifting av lysrør i idrettshall', '1005', 19707.5, 10575, 4926.875, 'NOK', CONCAT_WS(CHAR(13,10 USING utf8mb4), 'Hokksund Sportssenter AS', 'Idrettsveien 10', '3300 HOKKSUND'), '2026-11-17', '2026-11-19', 'Faktura', 9132.5, '', '', '14 dager', 0, 0, '', 0, 0, 0);

-- Offers.
INSERT INTO `offer` (`id`, `user`, `usergroup`, `object_text`, `companyid`, `external_contact`, `userid`, `projectid`, `systemid`, `assetid`, `jobid`, `department`, `subject`, `ordernumber`, `ordertotal`, `ordercost`, `orderVAT`, `currency`, `deliveryaddress`, `orderdate`, `deliverydate`, `status`, `profit`, `transport`, `deliverycondition`, `payment`, `lockedprice`, `pricelock`, `pricelocktext`, `weight`, `volume`, `vatcode`) VALUES
(1, 3, 100, 'Tilbudet gjelder i 30 dager. Timer etter medgått tid.', 2, 1, 3, 1, 0, 0, 0, 'Salg', 'Tilbud el-anlegg Tollbugata 8', '2001', 348812, 210594, 87203, 'NOK', NULL, '2026-08-20', NULL, 'Tilsagn', 138218, '', '', '30 dager', 0, 0, '', 0, 0, 0),
(2, 3, 100, NULL, 5, 6, 3, 2, 0, 0, 0, 'Salg', 'Tilbud ny LED-belysning verkstedhall A', '2002', 96448, 60192, 24500, 'NOK', NULL, '2026-10-28', NULL, 'Utsendt', 37808, '', '', '30 dager', 98000, 1, 'Fastpris montert og idriftsatt', 0, 0, 0),
(3, 3, 100, NULL, 3, 3, 3, 3, 0, 0, 0, 'Salg', 'Tilbud elbillading, 4 ladepunkter', '2003', 81730, 55510, 20432.5, 'NOK', NULL, '2026-12-07', NULL, 'Ikke utsendt', 26220, '', '', '14 dager', 0, 0, '', 0, 0, 0),
(4, 3, 100, 'Kunden valgte annen leverandør.', 7, 9, 3, 0, 0, 0, 0, 'Salg', 'Tilbud nødlys og nye downlights', '2004', 22392, 14460, 5598, 'NOK', NULL, '2026-09-14', NULL, 'Avslått', 7932, '', '', '14 dager', 0, 0, '', 0, 0, 0);

-- Invoices. 5001 and 5002 are the lines of orders 1002 and 1005.
INSERT INTO `invoice` (`id`, `user`, `usergroup`, `object_text`, `companyid`, `external_contact`, `userid`, `projectid`, `systemid`, `assetid`, `jobid`, `department`, `subject`, `ordernumber`, `ordertotal`, `ordercost`, `orderVAT`, `currency`, `deliveryaddress`, `orderdate`, `deliverydate`, `status`, `profit`, `transport`, `deliverycondition`, `payment`, `lockedprice`, `pricelock`, `pricelocktext`, `weight`, `volume`, `vatcode`) VALUES
(1, 2, 100, NULL, 4, 4, 2, 0, 0, 0, 0, 'Service', 'Service elbillader og nye utestikk', '5001', 3917.5, 2167.4, 979.375, 'NOK', NULL, '2026-11-06', NULL, 'Fakturert', 1750.1, '', '', '14 dager', 0, 0, '', 0, 0, 0),
(2, 2, 100, NULL, 8, 10, 2, 0, 0, 0, 0, 'Service', 'Utskifting av lysrør i idrettshall', '5002', 19707.5, 10575, 4926.875, 'NOK', NULL, '2026-11-20', NULL, 'Fakturert', 9132.5, '', '', '14 dager', 0, 0, '', 0, 0, 0),
(3, 1, 100, NULL, 2, 1, 1, 1, 0, 0, 0, 'Prosjekt', 'A-konto 1, el-anlegg Tollbugata 8', '5003', 120000, 0, 30000, 'NOK', NULL, '2026-12-01', NULL, 'Ikke fakturert', 120000, '', '', '30 dager', 0, 0, '', 0, 0, 0),
(4, 3, 100, 'Purring sendt 30.10.2026.', 9, 11, 3, 0, 0, 0, 0, 'Service', 'Montering av utelys på brygga', '5004', 10249.5, 6118, 2562.375, 'NOK', NULL, '2026-10-02', NULL, 'Forfalt', 4131.5, '', '', '14 dager', 0, 0, '', 0, 0, 0);

-- Purchase orders. Their VAT is computed on the cost sums.
INSERT INTO `po` (`id`, `user`, `usergroup`, `object_text`, `companyid`, `external_contact`, `userid`, `projectid`, `systemid`, `assetid`, `jobid`, `department`, `subject`, `ordernumber`, `ordertotal`, `ordercost`, `orderVAT`, `currency`, `deliveryaddress`, `orderdate`, `deliverydate`, `status`, `profit`, `transport`, `deliverycondition`, `payment`, `lockedprice`, `pricelock`, `pricelocktext`, `weight`, `volume`, `orderid`, `vatcode`) VALUES
(1, 5, 100, NULL, 10, 12, 5, 1, 0, 0, 0, 'Lager', 'Materiell Tollbugata 8', '3001', 31524, 18818, 4704.5, 'NOK', CONCAT_WS(CHAR(13,10 USING utf8mb4), 'Nordvik Elektro AS', 'Postboks 214 Bragernes', 'Tollbugata 12', '3001 DRAMMEN'), '2026-10-27', '2026-10-30', 'Alt mottatt', 12706, 'Bil', 'DDP', '30 dager', 0, 0, '', 0, 0, 1, 0),
(2, 5, 100, NULL, 11, 14, 5, 2, 0, 0, 0, 'Lager', 'Belysning verkstedhall A, Kongsberg', '3002', 46080, 29712, 7428, 'NOK', CONCAT_WS(CHAR(13,10 USING utf8mb4), 'Nordvik Elektro AS', 'Postboks 214 Bragernes', 'Tollbugata 12', '3001 DRAMMEN'), '2026-11-26', '2026-12-11', 'Bestilt', 16368, 'Bil', 'DDP', '30 dager', 0, 0, '', 0, 0, 3, 0),
(3, 5, 100, NULL, 11, 14, 5, 0, 0, 0, 0, 'Lager', 'Lagerpåfylling brytere, stikk og downlights', '3003', 36616, 20520, 5130, 'NOK', CONCAT_WS(CHAR(13,10 USING utf8mb4), 'Nordvik Elektro AS', 'Postboks 214 Bragernes', 'Tollbugata 12', '3001 DRAMMEN'), '2026-11-16', '2026-11-20', 'Delvis mottatt', 16096, 'Bil', 'DDP', '30 dager', 0, 0, '', 0, 0, 0, 0),
(4, 5, 100, NULL, 12, 15, 5, 0, 0, 0, 0, 'Lager', 'Verktøy', '3004', 2790, 1720, 430, 'NOK', CONCAT_WS(CHAR(13,10 USING utf8mb4), 'Nordvik Elektro AS', 'Postboks 214 Bragernes', 'Tollbugata 12', '3001 DRAMMEN'), '2026-12-08', NULL, 'Ikke bestilt', 1070, 'Post', 'DAP', '30 dager', 0, 0, '', 0, 0, 0, 0);

-- Item lines. A line may belong to an order and to the invoice made from it.
INSERT INTO `items` (`id`, `user`, `usergroup`, `vendorid`, `projectid`, `subprojectid`, `customerid`, `assetid`, `orderid`, `customerorder`, `VATcode`, `date`, `jobid`, `productcode`, `producttext`, `EAN`, `price`, `itemcount`, `discount`, `itemdelivered`, `piece`, `sum`, `mark`, `cost`, `sumcost`, `itemremain`, `poid`, `invoiceid`, `offerid`) VALUES
(1, 1, 100, 0, 1, 2, 2, 0, 1, '', 0, '2026-10-26 00:00:00', 0, '100102', 'Installasjonskabel PFSP 3G2,5 mm²', '', 14.24, 300, 0, 200, 'm', 4272, '', 8.01, 2403, 100, 0, 0, 0),
(2, 1, 100, 0, 1, 2, 2, 0, 1, '', 0, '2026-10-26 00:00:00', 0, '300301', 'Stikkontakt dobbel innfelt hvit', '', 112, 24, 0, 24, 'stk', 2688, '', 64, 1536, 0, 0, 0, 0),
(3, 1, 100, 0, 1, 2, 2, 0, 1, '', 0, '2026-10-26 00:00:00', 0, '500501', 'LED downlight 8 W 2700 K IP44', '', 232.2, 40, 0, 10, 'stk', 9288, '', 129, 5160, 30, 0, 0, 0),
(4, 1, 100, 0, 1, 2, 2, 0, 1, '', 0, '2026-10-26 00:00:00', 0, '200201', 'Bryter 1-pol innfelt hvit', '', 68.4, 18, 0, 0, 'stk', 1231.2, '', 38, 684, 18, 0, 0, 0),
(5, 1, 100, 0, 1, 2, 2, 0, 1, '', 0, '2026-10-26 00:00:00', 0, '400402', 'Jordfeilautomat C16 30 mA type A', '', 780, 12, 0, 12, 'stk', 9360, '', 468, 5616, 0, 0, 0, 0),
(6, 1, 100, 0, 1, 2, 2, 0, 1, '', 0, '2026-11-02 00:00:00', 0, '02.11.2026', 'Trekking av kabel 1. etg', '', 745, 7.5, 0, 0, 'TIM', 5587.5, '26001/26001-02', 450, 3375, 7.5, 0, 0, 0),
(7, 1, 100, 0, 1, 2, 2, 0, 1, '', 0, '2026-11-03 00:00:00', 0, '03.11.2026', 'Montering av stikk og brytere 1. etg', '', 745, 7.5, 0, 0, 'TIM', 5587.5, '26001/26001-02', 450, 3375, 7.5, 0, 0, 0),
(8, 1, 100, 0, 0, 0, 4, 0, 2, '', 0, '2026-11-04 00:00:00', 0, '300302', 'Stikkontakt enkel utendørs IP44', '', 155.75, 4, 0, 4, 'stk', 623, '', 89, 356, 0, 0, 1, 0),
(9, 1, 100, 0, 0, 0, 4, 0, 2, '', 0, '2026-11-04 00:00:00', 0, '300304', 'Koblingsboks påvegg IP55', '', 48, 4, 0, 4, 'stk', 192, '', 21.6, 86.4, 0, 0, 1, 0),
(10, 1, 100, 0, 0, 0, 4, 0, 2, '', 0, '2026-11-06 00:00:00', 0, '06.11.2026', 'Service elbillader og nye utestikk', '', 745, 3.5, 0, 3.5, 'TIM', 2607.5, '', 450, 1575, 0, 0, 1, 0),
(11, 1, 100, 0, 0, 0, 4, 0, 2, '', 0, '2026-11-04 00:00:00', 0, '900905', 'Kjøring servicebil', '', 495, 1, 0, 1, 'stk', 495, '', 150, 150, 0, 0, 1, 0),
(12, 1, 100, 0, 2, 5, 5, 0, 3, '', 0, '2026-11-25 00:00:00', 0, '500502', 'LED-panel 60x60 36 W 4000 K', '', 864, 48, 0, 0, 'stk', 41472, '', 565, 27120, 48, 0, 0, 0),
(13, 1, 100, 0, 2, 5, 5, 0, 3, '', 0, '2026-11-25 00:00:00', 0, '200204', 'Bevegelsessensor utendørs IP55', '', 672, 4, 0, 0, 'stk', 2688, '', 420, 1680, 4, 0, 0, 0),
(14, 1, 100, 0, 2, 5, 5, 0, 3, '', 0, '2026-11-25 00:00:00', 0, '600602', 'Kabelkanal 40x60 hvit 2 m', '', 153.6, 30, 0, 0, 'stk', 4608, '', 86.4, 2592, 30, 0, 0, 0),
(15, 1, 100, 0, 2, 5, 5, 0, 3, '', 0, '2026-11-25 00:00:00', 0, '900903', 'Arbeid elektriker', '', 745, 64, 0, 0, 'TIM', 47680, '', 450, 28800, 64, 0, 0, 0),
(16, 1, 100, 0, 0, 0, 15, 0, 4, 'PO-4471', 0, '2026-11-20 00:00:00', 0, '400405', 'Sikringsskap 24 moduler', '', 2130, 4, 0, 4, 'stk', 8520, '', 1390, 5560, 0, 0, 0, 0),
(17, 1, 100, 0, 0, 0, 15, 0, 4, 'PO-4471', 0, '2026-11-20 00:00:00', 0, '100101', 'Installasjonskabel PFSP 3G1,5 mm²', '', 10.24, 800, 0, 350, 'm', 8192, '', 5.76, 4608, 450, 0, 0, 0),
(18, 1, 100, 0, 0, 0, 15, 0, 4, 'PO-4471', 0, '2026-11-20 00:00:00', 0, '300301', 'Stikkontakt dobbel innfelt hvit', '', 112, 60, 0, 0, 'stk', 6720, '', 64, 3840, 60, 0, 0, 0),
(19, 1, 100, 0, 0, 0, 15, 0, 4, 'PO-4471', 0, '2026-11-20 00:00:00', 0, '200201', 'Bryter 1-pol innfelt hvit', '', 68.4, 40, 0, 0, 'stk', 2736, '', 38, 1520, 40, 0, 0, 0),
(20, 1, 100, 0, 0, 0, 15, 0, 4, 'PO-4471', 0, '2026-11-20 00:00:00', 0, '300303', 'Koblingsboks innfelt 1-veis', '', 15, 120, 0, 120, 'stk', 1800, '', 6.75, 810, 0, 0, 0, 0),
(21, 1, 100, 0, 0, 0, 15, 0, 4, 'PO-4471', 0, '2026-11-20 00:00:00', 0, '900903', 'Arbeid elektriker', '', 745, 140, 0, 24, 'TIM', 104300, '', 450, 63000, 116, 0, 0, 0),
(22, 1, 100, 0, 0, 0, 8, 0, 5, '', 0, '2026-11-17 00:00:00', 0, '500503', 'LED-lysrør T8 120 cm 18 W', '', 124, 80, 0, 80, 'stk', 9920, '', 62, 4960, 0, 0, 2, 0),
(23, 1, 100, 0, 0, 0, 8, 0, 5, '', 0, '2026-11-19 00:00:00', 0, '19.11.2026', 'Bytte av lysrør i idrettshall', '', 745, 7.5, 0, 7.5, 'TIM', 5587.5, '', 450, 3375, 0, 0, 2, 0),
(24, 1, 100, 0, 0, 0, 8, 0, 5, '', 0, '2026-11-17 00:00:00', 0, '900904', 'Arbeid lærling', '', 525, 8, 0, 8, 'TIM', 4200, '', 280, 2240, 0, 0, 2, 0),
(25, 1, 100, 0, 1, 0, 2, 0, 0, '', 0, '2026-08-20 00:00:00', 0, '400405', 'Sikringsskap 24 moduler', '', 2130, 2, 0, 0, 'stk', 4260, '', 1390, 2780, 2, 0, 0, 1),
(26, 1, 100, 0, 1, 0, 2, 0, 0, '', 0, '2026-08-20 00:00:00', 0, '400402', 'Jordfeilautomat C16 30 mA type A', '', 780, 24, 0, 0, 'stk', 18720, '', 468, 11232, 24, 0, 0, 1),
(27, 1, 100, 0, 1, 0, 2, 0, 0, '', 0, '2026-08-20 00:00:00', 0, '400404', 'Overspenningsvern type 2, 3-fas', '', 1736, 1, 0, 0, 'stk', 1736, '', 1116, 1116, 1, 0, 0, 1),
(28, 1, 100, 0, 1, 0, 2, 0, 0, '', 0, '2026-08-20 00:00:00', 0, '100102', 'Installasjonskabel PFSP 3G2,5 mm²', '', 14.24, 600, 0, 0, 'm', 8544, '', 8.01, 4806, 600, 0, 0, 1),
(29, 1, 100, 0, 1, 0, 2, 0, 0, '', 0, '2026-08-20 00:00:00', 0, '300301', 'Stikkontakt dobbel innfelt hvit', '', 112, 40, 0, 0, 'stk', 4480, '', 64, 2560, 40, 0, 0, 1),
(30, 1, 100, 0, 1, 0, 2, 0, 0, '', 0, '2026-08-20 00:00:00', 0, '500501', 'LED downlight 8 W 2700 K IP44', '', 232.2, 60, 0, 0, 'stk', 13932, '', 129, 7740, 60, 0, 0, 1),
(31, 1, 100, 0, 1, 0, 2, 0, 0, '', 0, '2026-08-20 00:00:00', 0, '500505', 'Nødlys LED 3 t autotest', '', 1170, 12, 0, 0, 'stk', 14040, '', 780, 9360, 12, 0, 0, 1),
(32, 1, 100, 0, 1, 0, 2, 0, 0, '', 0, '2026-08-20 00:00:00', 0, '900903', 'Arbeid elektriker', '', 745, 380, 0, 0, 'TIM', 283100, '', 450, 171000, 380, 0, 0, 1),
(33, 1, 100, 0, 2, 0, 5, 0, 0, '', 0, '2026-10-28 00:00:00', 0, '500502', 'LED-panel 60x60 36 W 4000 K', '', 864, 48, 0, 0, 'stk', 41472, '', 565, 27120, 48, 0, 0, 2),
(34, 1, 100, 0, 2, 0, 5, 0, 0, '', 0, '2026-10-28 00:00:00', 0, '200204', 'Bevegelsessensor utendørs IP55', '', 672, 4, 0, 0, 'stk', 2688, '', 420, 1680, 4, 0, 0, 2),
(35, 1, 100, 0, 2, 0, 5, 0, 0, '', 0, '2026-10-28 00:00:00', 0, '600602', 'Kabelkanal 40x60 hvit 2 m', '', 153.6, 30, 0, 0, 'stk', 4608, '', 86.4, 2592, 30, 0, 0, 2),
(36, 1, 100, 0, 2, 0, 5, 0, 0, '', 0, '2026-10-28 00:00:00', 0, '900903', 'Arbeid elektriker', '', 745, 64, 0, 0, 'TIM', 47680, '', 450, 28800, 64, 0, 0, 2),
(37, 1, 100, 0, 3, 0, 3, 0, 0, '', 0, '2026-12-07 00:00:00', 0, '700704', 'Elbillader 22 kW type 2', '', 10770, 4, 0, 0, 'stk', 43080, '', 8050, 32200, 4, 0, 0, 3),
(38, 1, 100, 0, 3, 0, 3, 0, 0, '', 0, '2026-12-07 00:00:00', 0, '400403', 'Jordfeilbryter 40 A 4-pol 30 mA', '', 1290, 1, 0, 0, 'stk', 1290, '', 774, 774, 1, 0, 0, 3),
(39, 1, 100, 0, 3, 0, 3, 0, 0, '', 0, '2026-12-07 00:00:00', 0, '100104', 'Installasjonskabel PFSP 5G6 mm²', '', 63, 120, 0, 0, 'm', 7560, '', 37.8, 4536, 120, 0, 0, 3),
(40, 1, 100, 0, 3, 0, 3, 0, 0, '', 0, '2026-12-07 00:00:00', 0, '900903', 'Arbeid elektriker', '', 745, 40, 0, 0, 'TIM', 29800, '', 450, 18000, 40, 0, 0, 3),
(41, 1, 100, 0, 0, 0, 7, 0, 0, '', 0, '2026-09-14 00:00:00', 0, '500505', 'Nødlys LED 3 t autotest', '', 1170, 6, 0, 0, 'stk', 7020, '', 780, 4680, 6, 0, 0, 4),
(42, 1, 100, 0, 0, 0, 7, 0, 0, '', 0, '2026-09-14 00:00:00', 0, '500501', 'LED downlight 8 W 2700 K IP44', '', 232.2, 20, 0, 0, 'stk', 4644, '', 129, 2580, 20, 0, 0, 4),
(43, 1, 100, 0, 0, 0, 7, 0, 0, '', 0, '2026-09-14 00:00:00', 0, '900903', 'Arbeid elektriker', '', 745, 16, 10, 0, 'TIM', 10728, '', 450, 7200, 16, 0, 0, 4),
(44, 1, 100, 0, 1, 0, 2, 0, 0, '', 0, '2026-12-01 00:00:00', 0, '', 'A-konto iht. fremdriftsplan, 1. etasje', '', 120000, 1, 0, 0, 'stk', 120000, '', 0, 0, 1, 0, 3, 0),
(45, 1, 100, 0, 0, 0, 9, 0, 0, '', 0, '2026-10-02 00:00:00', 0, '500504', 'Utelampe vegg antrasitt E27', '', 663, 6, 0, 6, 'stk', 3978, '', 390, 2340, 0, 0, 4, 0),
(46, 1, 100, 0, 0, 0, 9, 0, 0, '', 0, '2026-10-02 00:00:00', 0, '300302', 'Stikkontakt enkel utendørs IP44', '', 155.75, 2, 0, 2, 'stk', 311.5, '', 89, 178, 0, 0, 4, 0),
(47, 1, 100, 0, 0, 0, 9, 0, 0, '', 0, '2026-10-02 00:00:00', 0, '900903', 'Arbeid elektriker', '', 745, 8, 0, 8, 'TIM', 5960, '', 450, 3600, 0, 0, 4, 0),
(48, 1, 100, 0, 1, 0, 10, 0, 0, '', 0, '2026-10-27 00:00:00', 0, '100102', 'Installasjonskabel PFSP 3G2,5 mm²', '', 14.24, 600, 0, 600, 'm', 8544, '', 8.01, 4806, 0, 1, 0, 0),
(49, 1, 100, 0, 1, 0, 10, 0, 0, '', 0, '2026-10-27 00:00:00', 0, '400402', 'Jordfeilautomat C16 30 mA type A', '', 780, 24, 0, 24, 'stk', 18720, '', 468, 11232, 0, 1, 0, 0),
(50, 1, 100, 0, 1, 0, 10, 0, 0, '', 0, '2026-10-27 00:00:00', 0, '400405', 'Sikringsskap 24 moduler', '', 2130, 2, 0, 2, 'stk', 4260, '', 1390, 2780, 0, 1, 0, 0),
(51, 1, 100, 0, 2, 0, 11, 0, 0, '', 0, '2026-11-26 00:00:00', 0, '500502', 'LED-panel 60x60 36 W 4000 K', '', 864, 48, 0, 0, 'stk', 41472, '', 565, 27120, 48, 2, 0, 0),
(52, 1, 100, 0, 2, 0, 11, 0, 0, '', 0, '2026-11-26 00:00:00', 0, '600602', 'Kabelkanal 40x60 hvit 2 m', '', 153.6, 30, 0, 0, 'stk', 4608, '', 86.4, 2592, 30, 2, 0, 0),
(53, 1, 100, 0, 0, 0, 11, 0, 0, '', 0, '2026-11-16 00:00:00', 0, '200201', 'Bryter 1-pol innfelt hvit', '', 68.4, 100, 0, 60, 'stk', 6840, '', 38, 3800, 40, 3, 0, 0),
(54, 1, 100, 0, 0, 0, 11, 0, 0, '', 0, '2026-11-16 00:00:00', 0, '300301', 'Stikkontakt dobbel innfelt hvit', '', 112, 100, 0, 100, 'stk', 11200, '', 64, 6400, 0, 3, 0, 0),
(55, 1, 100, 0, 0, 0, 11, 0, 0, '', 0, '2026-11-16 00:00:00', 0, '500501', 'LED downlight 8 W 2700 K IP44', '', 232.2, 80, 0, 40, 'stk', 18576, '', 129, 10320, 40, 3, 0, 0),
(56, 1, 100, 0, 0, 0, 12, 0, 0, '', 0, '2026-12-08 00:00:00', 0, '800803', 'Spenningstester to-pol', '', 975, 2, 0, 0, 'stk', 1950, '', 650, 1300, 2, 4, 0, 0),
(57, 1, 100, 0, 0, 0, 12, 0, 0, '', 0, '2026-12-08 00:00:00', 0, '800804', 'Hammerbor SDS-plus 6x160', '', 84, 10, 0, 0, 'stk', 840, '', 42, 420, 10, 4, 0, 0);

-- Calendar entries and time registrations. Hours are split as the time rules do.
INSERT INTO `calendar` (`id`, `user`, `usergroup`, `rwx_all`, `object_text`, `allday`, `event_type`, `status`, `persons`, `time_from`, `time_to`, `subject`, `location`, `userid`, `hours`, `hours_50`, `hours_100`, `projectid`, `systemid`, `assetid`, `job`, `timetype`, `read_order`, `priority`, `category`, `external_company`, `external_contact`, `outdoor`, `orderid`) VALUES
(1, 4, 100, 0, NULL, 0, 1028, 20, 'MH', '2026-11-02 07:00:00', '2026-11-02 15:00:00', 'Trekking av kabel 1. etg', 'Tollbugata 8, Drammen', 4, 7.5, 0, 0, 1, 2, 0, 0, 1, 1, 0, 'Montasje', 2, 0, 0, 1),
(2, 2, 100, 0, NULL, 0, 1028, 20, 'OB', '2026-11-03 07:00:00', '2026-11-03 15:00:00', 'Montering av stikk og brytere 1. etg', 'Tollbugata 8, Drammen', 2, 7.5, 0, 0, 1, 2, 0, 0, 1, 1, 0, 'Montasje', 2, 0, 0, 1),
(3, 4, 100, 0, NULL, 0, 1028, 20, 'MH', '2026-11-04 07:00:00', '2026-11-04 15:00:00', 'Ny hovedfordeling, demontering av gammel tavle', 'Tollbugata 8, Drammen', 4, 7.5, 0, 0, 1, 1, 0, 0, 1, 0, 0, 'Montasje', 2, 0, 0, 0),
(4, 2, 100, 0, 'Strømmen koblet ut 16:00 til 18:45 etter avtale med driftsleder.', 0, 1028, 20, 'OB', '2026-11-05 07:00:00', '2026-11-05 19:00:00', 'Omkobling inntak, utført etter stengetid', 'Tollbugata 8, Drammen', 2, 7.5, 4, 0, 1, 1, 0, 0, 3, 0, 0, 'Montasje', 2, 0, 0, 0),
(5, 4, 100, 0, NULL, 0, 1028, 20, 'MH', '2026-11-23 07:00:00', '2026-11-23 15:00:00', 'Montering av downlights 1. etg', 'Tollbugata 8, Drammen', 4, 7.5, 0, 0, 1, 2, 0, 0, 1, 0, 0, 'Montasje', 2, 0, 0, 0),
(6, 2, 100, 0, NULL, 0, 1028, 20, 'OB', '2026-11-24 07:00:00', '2026-11-24 15:30:00', 'Montering av nødlys og test', 'Tollbugata 8, Drammen', 2, 7.5, 0.5, 0, 1, 3, 0, 0, 1, 0, 0, 'Montasje', 2, 0, 0, 0),
(7, 4, 100, 0, NULL, 0, 1028, 20, 'MH', '2026-11-16 07:00:00', '2026-11-16 15:00:00', 'Befaring og oppmåling hall A', 'Kongsberg', 4, 7.5, 0, 0, 2, 4, 0, 0, 2, 0, 0, 'Befaring', 5, 5, 0, 0),
(8, 2, 100, 0, NULL, 0, 1028, 20, 'OB', '2026-11-30 07:00:00', '2026-11-30 15:00:00', 'Demontering av gamle armaturer hall A', 'Kongsberg', 2, 7.5, 0, 0, 2, 4, 0, 0, 2, 0, 0, 'Montasje', 5, 0, 0, 0),
(9, 4, 100, 0, NULL, 0, 1028, 20, 'MH', '2026-12-01 07:00:00', '2026-12-01 15:00:00', 'Demontering av gamle armaturer hall A', 'Kongsberg', 4, 7.5, 0, 0, 2, 4, 0, 0, 2, 0, 0, 'Montasje', 5, 0, 0, 0),
(10, 2, 100, 0, NULL, 0, 0, 20, 'OB', '2026-11-06 08:00:00', '2026-11-06 12:00:00', 'Service elbillader og nye utestikk', 'Holmestrand Bakeri', 2, 3.5, 0, 0, 0, 0, 5, 0, 1, 1, 0, 'Service', 4, 4, 1, 2),
(11, 2, 100, 0, 'Kunden ringte 07:40. Feil i kurs 12, byttet jordfeilautomat.', 0, 0, 20, 'OB', '2026-11-28 08:00:00', '2026-11-28 14:00:00', 'Utrykning: jordfeil i fryserom', 'Holmestrand Bakeri', 2, 0, 3.5, 2, 0, 0, 0, 0, 3, 0, 0, 'Utrykning', 4, 4, 0, 0),
(12, 2, 100, 0, NULL, 0, 0, 20, 'OB', '2026-11-19 07:00:00', '2026-11-19 15:00:00', 'Bytte av lysrør i idrettshall', 'Hokksund Sportssenter', 2, 7.5, 0, 0, 0, 0, 0, 0, 1, 1, 0, 'Service', 8, 10, 0, 5),
(13, 4, 100, 0, NULL, 0, 0, 20, 'MH', '2026-12-03 07:00:00', '2026-12-03 19:00:00', 'Rekkehus byggetrinn 1, rørlegging og kabel', 'Mjøndalen', 4, 7.5, 4, 0, 0, 0, 0, 0, 2, 0, 0, 'Montasje', 15, 19, 0, 0),
(14, 2, 100, 0, NULL, 0, 0, 20, 'OB', '2026-12-04 07:00:00', '2026-12-04 15:00:00', 'Rekkehus byggetrinn 1, sikringsskap', 'Mjøndalen', 2, 7.5, 0, 0, 0, 0, 0, 0, 2, 0, 0, 'Montasje', 15, 19, 0, 0),
(15, 4, 100, 0, NULL, 0, 0, 20, 'MH', '2026-12-07 07:00:00', '2026-12-07 15:00:00', 'Termografering av tavler', 'Kongsberg Mekaniske Verksted', 4, 7.5, 0, 0, 0, 0, 6, 3, 1, 0, 0, 'Service', 5, 25, 0, 0),
(16, 2, 100, 0, NULL, 0, 0, 20, 'OB', '2026-12-08 07:00:00', '2026-12-08 11:00:00', 'Garantiarbeid: dimmer som ikke slukker', 'Asker Tannklinikk', 2, 4, 0, 0, 0, 0, 0, 0, 4, 0, 0, 'Garanti', 7, 8, 0, 0),
(17, 5, 100, 0, NULL, 0, 0, 20, 'SL', '2026-11-16 08:00:00', '2026-11-16 16:00:00', 'Egenmelding', '', 5, 7.5, 0, 0, 0, 0, 0, 0, 16, 0, 0, 'Fravær', 0, 0, 0, 0),
(18, 3, 100, 0, NULL, 0, 16, 20, 'IS', '2026-11-27 08:00:00', '2026-11-27 12:00:00', 'Avspasering formiddag', '', 3, 3.5, 0, 0, 0, 0, 0, 0, 16, 0, 0, 'Fravær', 0, 0, 0, 0),
(19, 3, 100, 0, NULL, 0, 2, 20, 'IS, MH', '2026-11-10 10:00:00', '2026-11-10 11:00:00', 'Gjennomgang tilbud belysning hall A', 'Kongsberg', 3, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 'Salg', 5, 6, 0, 0),
(20, 1, 100, 0, NULL, 0, 2, 20, 'KN', '2026-11-12 09:00:00', '2026-11-12 10:30:00', 'Månedsmøte med regnskapsfører', 'Buskerud Regnskapskontor', 1, 1.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 'Økonomi', 14, 17, 0, 0),
(21, 4, 100, 0, NULL, 0, 2, 20, 'MH, KN', '2026-11-18 13:00:00', '2026-11-18 14:00:00', 'Byggemøte Tollbugata 8', 'Tollbugata 8, Drammen', 4, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 'Prosjekt', 2, 2, 0, 0),
(22, 1, 100, 5, NULL, 0, 2, 20, 'KN, OB, IS, MH, SL', '2026-12-02 08:00:00', '2026-12-02 09:00:00', 'Personalmøte', 'Kontoret', 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 'Internt', 0, 0, 0, 0),
(23, 5, 100, 0, NULL, 0, 1024, 20, 'SL, KN', '2026-12-09 09:00:00', '2026-12-09 11:00:00', 'Varetelling lager', 'Lageret', 5, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 'Lager', 0, 0, 0, 0),
(24, 3, 100, 0, NULL, 0, 1, 0, 'IS, MH', '2026-12-14 10:00:00', '2026-12-14 11:00:00', 'Befaring elbillading', 'Lier Rørleggerservice', 3, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 'Salg', 3, 3, 0, 0),
(25, 4, 100, 0, NULL, 0, 1028, 0, 'MH', '2026-12-15 07:00:00', '2026-12-15 15:00:00', 'Montering LED-paneler hall A', 'Kongsberg', 4, 7.5, 0, 0, 2, 5, 0, 0, 2, 0, 0, 'Montasje', 5, 0, 0, 0),
(26, 1, 100, 5, NULL, 0, 3, 0, 'KN, OB, IS, MH, SL', '2026-12-17 17:00:00', '2026-12-17 21:00:00', 'Julebord', 'Bragernes torg', 1, 0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 'Internt', 0, 0, 0, 0),
(27, 1, 100, 5, NULL, 1, 32, 0, '', '2026-12-25 00:00:00', '2026-12-25 00:00:00', 'Første juledag', '', 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 'Helligdag', 0, 0, 0, 0),
(28, 1, 100, 5, NULL, 1, 32, 0, '', '2026-12-26 00:00:00', '2026-12-26 00:00:00', 'Andre juledag', '', 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 'Helligdag', 0, 0, 0, 0),
(29, 2, 100, 0, NULL, 1, 20, 0, 'OB', '2026-12-28 00:00:00', '2026-12-28 00:00:00', 'Ferie Ole', '', 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 'Fravær', 0, 0, 0, 0),
(30, 2, 100, 0, NULL, 0, 1028, 0, 'OB', '2027-01-08 08:00:00', '2027-01-08 10:00:00', 'Periodisk kontroll nødlys', 'Tollbugata 8, Drammen', 2, 2, 0, 0, 1, 3, 4, 1, 0, 0, 3, 'Service', 2, 2, 0, 0),
(31, 2, 100, 0, NULL, 0, 5, 0, 'OB', '2027-01-12 08:00:00', '2027-01-12 09:30:00', 'Årlig service elbillader', 'Holmestrand Bakeri', 2, 1.5, 0, 0, 0, 0, 5, 2, 0, 0, 2, 'Service', 4, 4, 1, 0);

-- Standard jobs used to plan recurring calendar entries.
INSERT INTO `jobs` (`id`, `user`, `usergroup`, `object_text`, `allday`, `event_type`, `persons`, `subject`, `location`, `userid`, `hours`, `projectid`, `systemid`, `assetid`, `job`, `timetype`, `routine`, `priority`, `category`, `external_company`, `external_contact`, `outdoor`, `day_interval`) VALUES
(1, 2, 100, 'Test av alle nødlysarmaturer, logg i nødlysjournal.', 0, 0, 'OB', 'Periodisk kontroll nødlys', 'Tollbugata 8, Drammen', 2, 2, 1, 3, 4, 1, 1, 12, 3, 'Service', 2, 2, 0, 30),
(2, 2, 100, 'Kontroll av jordfeilvern, tilkobling og ladekabel.', 0, 0, 'OB', 'Årlig service elbillader', 'Holmestrand Bakeri', 2, 1.5, 0, 0, 5, 2, 1, 12, 2, 'Service', 4, 4, 1, 14),
(3, 4, 100, 'Termografering av hovedtavle og underfordelinger, rapport til kunde.', 0, 0, 'MH', 'Termografering av tavler', '', 4, 3, 0, 0, 0, 3, 1, 12, 2, 'Service', 0, 0, 0, 7);

-- Equipment: own tools and vehicles, and customer installations under service agreements.
INSERT INTO `asset` (`id`, `user`, `usergroup`, `object_text`, `serial`, `model`, `uniqueid`, `vendor`, `price`, `location`, `installed`, `service`, `nextservice`, `runhours`, `runhourdate`, `assetname`, `priority`, `status`, `watt`, `assettype`, `assetuser`, `cost`, `persons`, `assetnumber`, `voltage`, `current`, `phase`, `projectid`, `systemid`) VALUES
(1, 1, 100, 'EU-kontroll neste gang mars 2027.', 'Se vognkort', 'Transporter 2.0 TDI', 'EK 48213', 13, 389000, 'Firmabil, Tollbugata 12', '2023-04-12 00:00:00', 1, '2027-04-12 00:00:00', 84210, '2026-11-30 00:00:00', 'Servicebil VW Transporter', 3, 1, 0, 1, 2, 389000, 'OB', 'U-1001', 12, 'DC', 0, 0, 0),
(2, 1, 100, NULL, 'MFT-58213', 'MFT 1741', '', 10, 18900, 'Servicebil', '2024-02-20 00:00:00', 1, '2027-02-20 00:00:00', 0, NULL, 'Installasjonstester multifunksjon', 3, 1, 5, 2, 2, 18900, 'OB', 'U-1002', 230, 'AC', 1, 0, 0),
(3, 1, 100, NULL, 'TC-220417', 'TC 640', '', 12, 32500, 'Kontoret', '2025-05-06 00:00:00', 0, NULL, 0, NULL, 'Termografikamera', 2, 1, 8, 2, 4, 32500, 'MH', 'U-1003', 0, 'DC', 0, 0, 0),
(4, 4, 100, 'Sentral for 42 nødlysarmaturer, batteri byttet 2024.', 'NS-3309', 'Nødlyssentral 48 V', '', 16, 46000, 'Tollbugata 8, kjeller', '2019-06-14 00:00:00', 1, '2027-01-08 00:00:00', 0, NULL, 'Nødlyssentral Tollbugata 8', 4, 1, 350, 3, 0, 0, 'MH, OB', 'U-2001', 230, 'AC', 1, 1, 3),
(5, 2, 100, NULL, 'EVC-220-7731', 'Elbillader 22 kW', '', 10, 10770, 'Holmestrand Bakeri, gårdsplass', '2025-01-10 00:00:00', 1, '2027-01-12 00:00:00', 0, NULL, 'Elbillader Holmestrand Bakeri', 2, 1, 22000, 3, 0, 0, 'OB', 'U-2002', 400, 'AC', 3, 0, 0),
(6, 4, 100, 'Termografert 07.12.2026, ingen avvik.', 'HT-A-01', 'Hovedtavle 630 A', '', 0, 0, 'Kongsberg Mek., hall A', '2008-09-01 00:00:00', 1, '2027-12-07 00:00:00', 0, NULL, 'Hovedtavle hall A', 3, 1, 0, 3, 0, 0, 'MH', 'U-2003', 400, 'AC', 3, 2, 5),
(7, 1, 100, 'Leid, returneres ved prosjektslutt.', 'SX-8M-2231', 'Saksestige 8 m', '', 13, 0, 'Tollbugata 8', '2026-11-02 00:00:00', 0, NULL, 112, '2026-12-04 00:00:00', 'Sakselift 8 m (leid)', 2, 1, 2200, 1, 4, 0, 'MH', 'U-1004', 230, 'AC', 1, 1, 2);

-- Document archive (metadata only, the files are not part of the demo).
INSERT INTO `document` (`id`, `created`, `user`, `usergroup`, `rwx_all`, `object_text`, `companyid`, `external_contact`, `userid`, `projectid`, `systemid`, `assetid`, `jobid`, `department`, `subject`, `category`, `document_created`, `document_name`, `document_path`, `document_type`, `document_info`, `document_mime`, `document_size`, `productid`, `dataincluded`) VALUES
(1, '20.08.2026', 3, 100, 0, NULL, 2, 1, 1, 1, 0, 0, 0, 'Salg', 'Tilbud 2001 Bragernes Eiendom', 'Tilbud', '2026-08-20 14:12:00', 'tilbud_2001.pdf', 'dokumenter/tilbud', 1, 'PDF, 3 sider', 'application/pdf', 184332, 0, 0),
(2, '07.09.2026', 4, 100, 0, 'Revisjon B etter befaring.', 2, 2, 2, 1, 1, 0, 0, 'Prosjekt', 'Enlinjeskjema hovedfordeling Tollbugata 8', 'Tegning', '2026-09-07 09:40:00', '26001_fordeling_rev_B.pdf', 'dokumenter/prosjekter/26001', 1, 'PDF, A3', 'application/pdf', 412870, 0, 0),
(3, '04.11.2026', 4, 100, 0, NULL, 2, 0, 0, 1, 1, 0, 0, 'Prosjekt', 'Inntak før ombygging', 'Bilde', '2026-11-04 08:05:00', '26001_inntak_for.jpg', 'dokumenter/prosjekter/26001', 3, '4032 x 3024', 'image/jpeg', 2841106, 0, 0),
(4, '12.10.2026', 5, 100, 5, NULL, 11, 14, 0, 0, 0, 0, 0, 'Lager', 'Produktdatablad LED-panel 60x60', 'Datablad', '2026-10-12 10:30:00', 'datablad_p6060.pdf', 'dokumenter/datablad', 1, '', 'application/pdf', 96551, 21, 0),
(5, '06.11.2026', 2, 100, 0, NULL, 4, 4, 4, 0, 0, 5, 0, 'Service', 'Samsvarserklæring Holmestrand Bakeri', 'Samsvarserklæring', '2026-11-06 13:20:00', 'samsvar_1002.pdf', 'dokumenter/samsvar', 1, 'PDF, 2 sider', 'application/pdf', 38211, 0, 0),
(6, '14.06.2026', 2, 100, 0, NULL, 2, 2, 2, 1, 3, 4, 1, 'Service', 'Servicerapport nødlyssentral', 'Rapport', '2026-06-14 15:02:00', 'servicerapport_U-2001.txt', 'dokumenter/service', 0, '', 'text/plain', 2210, 0, 0),
(7, '03.03.2026', 5, 100, 5, NULL, 10, 12, 0, 0, 0, 0, 0, 'Lager', 'Nettbutikk Nordisk Elektrogrossist', 'Lenke', '2026-03-03 08:00:00', '', 'https://www.nordisk-elektro.example/bedrift', 6, '', 'text/html', 0, 0, 0),
(8, '05.01.2026', 1, 100, 5, 'Gjennomgås på personalmøtet i januar.', 1, 0, 1, 0, 0, 0, 0, 'Administrasjon', 'HMS-håndbok 2026', 'HMS', '2026-01-05 12:00:00', 'hms_handbok_2026.odt', 'dokumenter/internt', 4, '', 'application/vnd.oasis.opendocument.text', 264012, 0, 0);

-- News for the web site. Row 3 is not published yet, row 4 is history.
INSERT INTO `news` (`id`, `user`, `usergroup`, `rwx_all`, `newsdate`, `header`, `object_text`, `status`, `topic`, `category`, `starttime`, `stopptime`, `moretext`, `author`) VALUES
(1, 1, 100, 5, '2026-11-02 09:00:00', 'Vi installerer elbilladere', 'Nordvik Elektro er godkjent installatør av ladepunkter for borettslag og bedrifter.', 1, 'Elbillading', 'Tjenester', '2026-11-02 00:00:00', '2027-03-31 00:00:00', 'Ta kontakt for befaring og fastpris.', 1),
(2, 3, 100, 5, '2026-10-12 10:00:00', 'Ny medarbeider på lageret', 'Sofie Lunde har begynt hos oss og tar seg av lager og innkjøp.', 1, 'Ansatte', 'Nyheter', '2026-10-12 00:00:00', '2026-12-31 00:00:00', '', 3),
(3, 1, 100, 0, '2026-12-08 08:30:00', 'Julestengt', 'Vi holder stengt fra 23. desember til 2. januar. Vakttelefon for akutte feil: 32 21 45 60.', 1, 'Åpningstider', 'Nyheter', '2026-12-15 00:00:00', '2027-01-02 00:00:00', '', 1),
(4, 3, 100, 5, '2026-03-01 09:00:00', 'Vårkampanje LED-paneler', '20 % rabatt på LED-paneler montert i mars og april.', 10, 'Kampanje', 'Tilbud', '2026-03-01 00:00:00', '2026-04-30 00:00:00', '', 3);

-- Banners for the web site. Row 3 has run out.
INSERT INTO `banner` (`id`, `user`, `usergroup`, `rwx_all`, `picture`, `object_url`, `object_name`, `time_from`, `time_to`, `productid`, `companyid`, `companyname`, `browserstr`, `ipstring`, `width`, `height`, `show_order`, `position`) VALUES
(1, 1, 100, 5, 'bannere/elbillader.png', 'https://www.nordvik-elektro.example/elbil', 'Elbillader 22 kW', '2026-11-15 00:00:00', '2027-01-31 00:00:00', 33, 1, 'Nordvik Elektro AS', '', '', 468, 60, 1, 1),
(2, 1, 100, 5, 'bannere/nordisk_elektro.gif', 'https://www.nordisk-elektro.example', 'Nordisk Elektrogrossist', '2026-10-01 00:00:00', '2026-12-31 00:00:00', 0, 10, 'Nordisk Elektrogrossist AS', '', '', 468, 60, 2, 2),
(3, 1, 100, 0, 'bannere/maskinutleie.png', 'https://www.drammen-maskin.example', 'Lift og stillas til leie', '2026-05-01 00:00:00', '2026-10-31 00:00:00', 0, 13, 'Drammen Maskinutleie AS', '', '', 234, 60, 3, 3);

-- Chart of accounts (Norwegian standard numbering). vatcode 4 marks output VAT, 1 input VAT.
INSERT INTO `accounts` (`id`, `user`, `usergroup`, `account`, `accountname`, `vatcode`, `vattype`, `bankaccount`, `bankaccountnumber`, `mortage`, `credit`, `sum`, `budget`, `lastyearsum`, `active`) VALUES
(1, 1, 100, 1230, 'Biler', 0, 0, 0, '', 0, 0, 312000, 0, 389000, 1),
(2, 1, 100, 1250, 'Inventar og verktøy', 0, 0, 0, '', 0, 0, 51400, 0, 62000, 1),
(3, 1, 100, 1460, 'Varelager', 0, 0, 0, '', 0, 0, 284350, 0, 251800, 1),
(4, 1, 100, 1500, 'Kundefordringer', 0, 0, 0, '', 0, 0, 214560.25, 0, 187320, 1),
(5, 1, 100, 1900, 'Kontanter', 0, 0, 0, '', 0, 0, 2450, 0, 1800, 1),
(6, 1, 100, 1920, 'Bankinnskudd skattetrekk', 0, 0, 1, '1503.22.18749', 0.5, 0, 96310, 0, 88410, 1),
(7, 1, 100, 1921, 'Driftskonto', 0, 0, 1, '2250.11.47382', 0.75, 150000, 345880.4, 0, 298145.3, 1),
(8, 1, 100, 2000, 'Aksjekapital', 0, 0, 0, '', 0, 0, -100000, 0, -100000, 1),
(9, 1, 100, 2050, 'Annen egenkapital', 0, 0, 0, '', 0, 0, -612480, 0, -498250, 1),
(10, 1, 100, 2400, 'Leverandørgjeld', 0, 0, 0, '', 0, 0, -168420.5, 0, -142900, 1),
(11, 1, 100, 2600, 'Forskuddstrekk', 0, 0, 0, '', 0, 0, -96310, 0, -88410, 1),
(12, 1, 100, 2700, 'Utgående merverdiavgift', 0, 2, 0, '', 0, 0, 0, 0, 0, 1),
(13, 1, 100, 2710, 'Inngående merverdiavgift', 0, 1, 0, '', 0, 0, 0, 0, 0, 1),
(14, 1, 100, 2740, 'Oppgjørskonto merverdiavgift', 0, 0, 0, '', 0, 0, -48200, 0, -41250, 1),
(15, 1, 100, 2770, 'Skyldig arbeidsgiveravgift', 0, 0, 0, '', 0, 0, -24630, 0, -22100, 1),
(16, 1, 100, 3000, 'Salgsinntekt, avgiftspliktig', 4, 2, 0, '', 0, 0, -1842350, -2100000, -1690400, 1),
(17, 1, 100, 3100, 'Salgsinntekt, avgiftsfri', 0, 0, 0, '', 0, 0, -45200, -40000, -38750, 1),
(18, 1, 100, 3900, 'Annen driftsrelatert inntekt', 0, 0, 0, '', 0, 0, -12000, -10000, -9500, 1),
(19, 1, 100, 4000, 'Innkjøp av råvarer og halvfabrikata', 1, 1, 0, '', 0, 0, 96300, 100000, 88200, 1),
(20, 1, 100, 4300, 'Innkjøp av varer for videresalg', 1, 1, 0, '', 0, 0, 785400, 900000, 721060, 1),
(21, 1, 100, 4500, 'Fremmedytelse og underentreprise', 1, 1, 0, '', 0, 0, 64000, 80000, 52300, 1),
(22, 1, 100, 5000, 'Lønn til ansatte', 0, 0, 0, '', 0, 0, 1412000, 1450000, 1335000, 1),
(23, 1, 100, 5400, 'Arbeidsgiveravgift', 0, 0, 0, '', 0, 0, 199100, 204500, 188200, 1),
(24, 1, 100, 6300, 'Leie lokaler', 0, 0, 0, '', 0, 0, 132000, 132000, 126000, 1),
(25, 1, 100, 6540, 'Inventar', 1, 1, 0, '', 0, 0, 18750, 25000, 12400, 1),
(26, 1, 100, 6700, 'Revisjons- og regnskapshonorar', 1, 1, 0, '', 0, 0, 24500, 30000, 23800, 1),
(27, 1, 100, 6800, 'Kontorrekvisita', 1, 1, 0, '', 0, 0, 8450, 10000, 9120, 1),
(28, 1, 100, 6900, 'Telefon og internett', 1, 1, 0, '', 0, 0, 18200, 20000, 17650, 1),
(29, 1, 100, 7000, 'Drivstoff', 1, 1, 0, '', 0, 0, 36800, 40000, 35100, 1),
(30, 1, 100, 7500, 'Forsikringspremie', 0, 0, 0, '', 0, 0, 22400, 24000, 21300, 1),
(31, 1, 100, 7770, 'Bank- og kortgebyrer', 0, 0, 0, '', 0, 0, 3150, 3000, 2870, 1),
(32, 1, 100, 8150, 'Rentekostnad', 0, 0, 0, '', 0, 0, 4200, 6000, 5100, 1);

-- Postings. A posting moves its sum from from_account (credited) to to_account (debited): sales from
-- the sales account to receivables, payments from receivables to the bank, purchases from the payable
-- (or the bank) to the cost account. Invoice postings carry the invoice total and 25 % VAT of VAT code 0.
INSERT INTO `entries` (`id`, `user`, `usergroup`, `entrydate`, `from_account`, `to_account`, `sum`, `entrytext`, `vatcode`, `vatsum`, `companyid`, `projectid`, `subprojectid`, `invoiceno`, `department`, `documentid`) VALUES
(1, 1, 100, '2026-11-06', 3000, 1500, 3917.5, 'Service elbillader og nye utestikk', 0, 979.375, 4, 0, 0, '5001', 'Service', 0),
(2, 1, 100, '2026-11-20', 3000, 1500, 19707.5, 'Utskifting av lysrør i idrettshall', 0, 4926.875, 8, 0, 0, '5002', 'Service', 0),
(3, 1, 100, '2026-10-02', 3000, 1500, 10249.5, 'Montering av utelys på brygga', 0, 2562.375, 9, 0, 0, '5004', 'Service', 0),
(4, 1, 100, '2026-11-18', 1500, 1921, 4896.88, 'Innbetaling faktura 5001', 4, 0, 4, 0, 0, '5001', 'Administrasjon', 0),
(5, 5, 100, '2026-10-30', 2400, 4300, 18818, 'Leverandørfaktura Nordisk Elektrogrossist, innkjøp 3001', 0, 4704.5, 10, 1, 0, 'NE-778120', 'Lager', 0),
(6, 1, 100, '2026-12-01', 1921, 6300, 11000, 'Husleie desember', 4, 0, 0, 0, 0, '', 'Administrasjon', 0),
(7, 1, 100, '2026-11-30', 2400, 6700, 4250, 'Regnskapshonorar november', 0, 1062.5, 14, 0, 0, 'BR-2026-311', 'Administrasjon', 0),
(8, 2, 100, '2026-12-04', 1921, 7000, 1486.4, 'Diesel servicebil', 0, 371.6, 0, 0, 0, '', 'Service', 0),
(9, 1, 100, '2026-12-07', 1921, 6900, 1592, 'Mobil og bredbånd desember', 0, 398, 0, 0, 0, '', 'Administrasjon', 0);

