Glimmora keywords 1
1st-place-medal	medal za 1. miejsce	medal	pierwsze miejsce	zwycięstwo	złoto
2nd-place-medal	medal za 2. miejsce	drugie miejsce	medal	srebro
3rd-place-medal	medal za 3. miejsce	brąz	medal	trzecie miejsce
a-button-blood-type	grupa krwi A	a	grupa a	krew
ab-button-blood-type	grupa krwi AB	ab	grupa ab	krew
abacus	liczydło	abakus	obliczanie
accordion	akordeon	harmonia	koncertyna
adhesive-bandage	plaster	opatrunek
admission-tickets	bilety wstępu	bilet	wstęp
aerial-tramway	kolej linowa	gondola	górska	kolejka	linowa	podwieszana	wagonik
airplane	samolot
airplane-arrival	przylot samolotu	lądowanie	przylot	samolot
airplane-departure	odlot samolotu	odlot	odprawa	samolot	start	wylot
alarm-clock	budzik	zegar
alembic	alembik	chemia	kolba	menzurka	naczynie	probówka	szklane
alien	ufoludek	kosmita	obcy	pozaziemski	twarz	ufo
alien-monster	kosmiczny potwór	kosmita	obcy	potwór	pozaziemski	twarz	ufo
ambulance	karetka pogotowia	ambulans	erka	karetka	pogotowie
american-football	futbol amerykański	piłka
amphora	amfora	dzban	puchar	stągiew	waza	wodnik	zodiak
anatomical-heart	serce	anatomia	bicie serca	kardiologia	mięsień sercowy	narząd	organ	puls
anchor	kotwica	okręt	przyrząd	statek
anger-symbol	symbol gniewu	złość
angry-face	zagniewana twarz	rozgniewana buźka
angry-face-with-horns	zagniewana twarz z rogami	diabełek	fantasy	rogi	różki	smutny
anguished-face	udręczona twarz	złość
ant	mrówka	insekt	owad
antenna-bars	siła sygnału	sieć komórkowa	zasięg
anxious-face-with-sweat	zaniepokojona twarz oblana potem	zziajana buźka
aquarius	Wodnik	znak zodiaku	zodiak
aries	Baran	znak zodiaku	zodiak
articulated-lorry	samochód ciężarowy	ciężarówka	dostawczy
artist	artysta	malarz	paleta
artist-palette	paleta malarska	farby	kolory	malarz	muzeum	sztuka
astonished-face	zadziwiona twarz	zaskoczenie	zaskoczona buźka
astronaut	astronauta	rakieta	statek kosmiczny
atm-sign	znak bankomatu	atm
atom-symbol	symbol atomu	atom
auto-rickshaw	autoriksza	tuk-tuk
automobile	samochód	auto	pojazd
avocado	awokado	jedzenie	owoc
axe	siekiera	drewno	rozłupywać	rąbać	topór
b-button-blood-type	grupa krwi B	b	grupa b	krew
baby	niemowlę	dziecko
baby-angel	aniołek	bajka	buzia aniołka	fantasy
baby-bottle	butelka ze smoczkiem	butelka	dzidziuś	mleko	napój	niemowlęca	ze smoczkiem
baby-chick	kurczątko	kurczaczek	pisklak
baby-symbol	symbol niemowlęcia	niemowlę
back-arrow	strzałka z napisem BACK	strzałka	wstecz
backhand-index-pointing-down	dłoń z palcem wskazującym w dół	dół	na dół	palec	w dół	wskazujący
backhand-index-pointing-left	palec w lewo	lewa strona	palec	w lewo	wskazujący
backhand-index-pointing-right	dłoń z palcem wskazującym w prawo	palec	prawa strona	w prawo	wskazujący
backhand-index-pointing-up	dłoń z palcem wskazującym w górę	do góry	góra	palec	w górę	wskazujący
backpack	tornister	plecak
bacon	boczek	bekon	jedzenie	mięso
badger	borsuk
badminton	badminton	gra	lotka	paletki	rakieta
bagel	bajgiel	pieczywo	piekarnia	posmarować
baggage-claim	odbiór bagażu	bagaż	odbiór
baguette-bread	bagietka	bułka	chleb	jedzenie	pieczywo
balance-scale	waga szalkowa	ciężar	narzędzie	równowaga	sprawiedliwość	waga	ważyć	zodiak
ballet-shoes	baletki	balet	taniec
balloon	balon	impreza	uroczystość
ballot-box-with-ballot	urna wyborcza z głosem	głos	głosować	urna
banana	banan	egzotyczny	owoc
banjo	banjo	instrument	muzyka	strunowy
bank	bank	budynek
bar-chart	wykres słupkowy	słupek	wykres
barber-pole	słup fryzjerski	fryzjer
baseball	baseball	piłka
basket	kosz	piknik	pranie	rolnictwo
basketball	koszykówka	do kosza	piłka
bat	nietoperz	wampir	zwierzę
bathtub	wanna	kąpiel
battery	bateria	akumulator	akumulatorek
beach-with-umbrella	parasol na plaży	morze	parasol	piasek	plaża
beaming-face-with-smiling-eyes	szeroko uśmiechnięta twarz o roześmianych oczach	uśmiech	wyszczerzone	zęby	śmiech
beans	fasola	jedzenie	nerkowata	strąk
bear	głowa niedźwiedzia	buźka	niedźwiedź
beating-heart	bijące serce	kocham cię
beaver	bóbr	gryzoń	tama
bed	łóżko	hotel	nocleg	sen
beer-mug	kufel piwa	kufel	kufel z piwem
beetle	chrząszcz	owad	żuk
bell	dzwonek	dzwon
bell-pepper	papryka	papryka słodka	paprykowy	warzywo
bell-with-slash	przekreślony dzwonek	cicho	cisza	dzwonek	nie wolno	zabroniony	zakazany
bellhop-bell	dzwonek w recepcji	dzwonek	hotel	przywołać	recepcja
bento-box	pudełko bento	bento
beverage-box	napój w kartoniku	sok w kartoniku	słodki	słomka
bicycle	rower	pojazd	rowerek
bikini	bikini	do pływania	strój kąpielowy	ubiór	ubranie
billed-cap	bejsbolówka	czapeczka
biohazard	zagrożenie ze strony organizmów żywych	biozagrożenie	niebezpieczeństwo	organizm	zagrożenie	żywy
bird	ptak	ptaszek
birthday-cake	tort urodzinowy	zdmuchnąć	świeczki
bison	żubr	bizon	stado
biting-lip	przygryzanie wargi	dyskomfort	flirt	nerwowość	niepokój	strach	zmartwienie
black-bird	czarny ptak	czarny	gawron	ptak	wrona
black-cat	czarny kot	czarny	kot	nieszczęście	pech
black-circle	czarne koło	czarne	figura geometryczna	koło	kółko
black-flag	czarna flaga	flaga	na wietrze	żałoba
black-heart	czarne serce	czarny	serce	zło
black-large-square	duży czarny kwadrat	czarny	duży	figura geometryczna	kwadrat	średni
black-medium-small-square	mały/średni czarny kwadrat	czarny	figura geometryczna	kwadrat	mały
black-medium-square	średni czarny kwadrat	czarny	duży	figura geometryczna	kwadrat	średni
black-nib	pióro z czarną stalówką	pióro	stalówka
black-small-square	mały czarny kwadrat	czarny	figura geometryczna	kwadracik	kwadrat
black-square-button	czarny kwadratowy przycisk	biały	czarny	figura geometryczna	kwadrat	obramowanie
blossom	kwiat	kwiatek	kwitnie	roślina
blowfish	ryba rozdymka	rozdymka
blue-book	niebieska książka	książka	niebieska
blue-circle	niebieskie koło	figura geometryczna	koło	kółko	niebieskie
blue-heart	niebieskie serce	niebieskie	serce
blue-square	niebieski kwadrat	kwadrat	kwadratowy	niebieski
blueberries	borówka amerykańska	borówka	jagoda	owoc
boar	dzik	dzika świnia	knur
bomb	bomba	żartobliwy
bone	kość	szkielet
bookmark	zakładka	zaznaczenie
bookmark-tabs	karty zakładek	karta	przekładka	zakładka	znak
books	książki	książka
boomerang	bumerang	aborygeni	australia	wraca
bottle-with-popping-cork	butelka z wystrzelającym korkiem	bar	butelka	korek	nowy rok	sylwester	toast
bouquet	bukiet kwiatów	bukiet	kwiaty
bow-and-arrow	łuk i strzała	broń	narzędzie	strzała	strzelec	zodiak	łucznik	łuk
bowl-with-spoon	miska z łyżką
bowling	kręgle	gra	kula
boxing-glove	rękawica bokserska	boks	rękawica	sport
boy	chłopiec
brain	mózg	inteligentny
bread	chleb	bochenek	kawałek chleba	pieczywo
breast-feeding	karmienie piersią	niemowlę	pierś
brick	cegła	cegły	glina	mur	zaprawa	ściana
bridge-at-night	most nocą	most w nocy
briefcase	teczka	aktówka	neseser
briefs	kąpielówki	bielizna	majtki do kąpieli	strój do kąpieli
bright-button	przycisk dużej jasności	duża	jasność	rozjaśnić	wysoka
broccoli	brokuł
broken-heart	złamane serce	pęknięte	serce
broom	miotła	czarownica	sprzątanie	zamiatanie
brown-circle	brązowe koło	brązowe	koło	kółko
brown-heart	brązowe serce	brązowe	serce
brown-square	brązowy kwadrat	brązowy	kwadrat	kwadratowy
bubble-tea	napój bubble tea	herbata	kuleczka	kulki tapioki	mleko
bubbles	bąbelki	mycie	mydło	plusk	pod wodą
bucket	wiadro	kubeł	wiaderko
bug	gąsienica	insekt	owad
building-construction	dźwig budowlany	budowa	dźwig	roboty budowlane
bullet-train	szybki pociąg z zaokrąglonym przodem	kolej	pendolino	pojazd szynowy	szybki pociąg
bullseye	strzał w 10	dziesiątka	strzał	trafienie	w dziesiątkę
burrito	burrito	burito	meksykańskie jedzenie
bus	autobus	autokar	pojazd
bus-stop	przystanek autobusowy	przystanek
bust-in-silhouette	sylwetka popiersia	osoba
busts-in-silhouette	sylwetki popiersi	osoby	sylwetki
butter	masło	nabiał
butterfly	motyl	kolorowy	owad
cactus	kaktus	roślina
calendar	kalendarz	data
call-me-hand	dłoń w geście „Zadzwoń do mnie”	dzwonić	telefonować
camel	wielbłąd	dromader
camera	aparat fotograficzny	fotografia	robić zdjęcie	wideo	zdjęcie
camera-with-flash	aparat fotograficzny z lampą błyskową	aparat	flesz	lampa błyskowa
camping	kemping	kamping	namiot	obóz
cancer	Rak	znak zodiaku	zodiak
candle	świeca	światło	świeczka
candy	cukierek	deser	słodki	słodycze
canned-food	jedzenie w puszce
canoe	kajak	łódź
capricorn	Koziorożec	znak zodiaku	zodiak
card-file-box	pudełko-kartoteka	dokumenty	indeks	kartoteka	karty	pudełko
card-index	wizytownik	wizytówka	wizytówki
card-index-dividers	rozdzielacze kartoteki	kartoteka	karty	podział	rozdzielacze
carousel-horse	koń z karuzeli	konik
carp-streamer	flaga w kształcie karpia	flaga	ryby
carpentry-saw	piła do drewna	narzędzie	piła	stolarz	tarcica
carrot	marchew	jedzenie	marchewka	warzywo
castle	zamek	budynek	europejski
cat	kot	zwierzę
cat-face	głowa kota	kicia	kot	pysk	pyszczek	zwierzę
cat-with-tears-of-joy	kot ze łzami radości	kot	płaczę ze śmiechu	uśmiech	zęby
cat-with-wry-smile	kot z drwiącym uśmiechem	ironia	ironiczny	kot	kpiarski	kpina
chains	łańcuchy	ogniwa	łańcuch
chair	krzesło	siadać	siedzenie
chart-decreasing	wykres spadku	spadek	strata	tendencja spadkowa	trend zniżkowy
chart-increasing	wykres wzrostu	tendencja wzrostowa	trend zwyżkowy	wzrost
chart-increasing-with-yen	wykres wzrostu z symbolem jena	jen	pieniądze	trend wzrostowy	waluta	wykres	wzrost
check-box-with-check	pole ze znacznikiem wyboru	parafka	ptaszek	zaznaczenie
check-mark	znacznik wyboru	gruby znacznik wyboru	parafka	ptaszek	zaznaczenie
check-mark-button	przycisk ze znacznikiem wyboru	parafka	ptaszek	zaznaczenie	znacznik wyboru
cheese-wedge	kawałek sera	ser	szwajcarski	z dziurami	żółty
chequered-flag	flaga w szachownicę	flaga w kratkę	wyścigi
cherries	wiśnie	owoce
cherry-blossom	kwiat wiśni	kwitnąca wiśnia
chess-pawn	pionek	szachy
chestnut	kasztan	jedzenie	kasztan jadalny
chicken	kura	kurczak
child	dziecko	młody	płeć neutralna
children-crossing	dzieci przechodzące przez jezdnię	dzieci	dziecko	przejście da pieszych	uwaga
chipmunk	pręgowiec	gryzoń	wiewiórka
chocolate-bar	tabliczka czekolady	deser	słodycze
chopsticks	pałeczki
christmas-tree	choinka bożonarodzeniowa	boże narodzenie	drzewko	święta
church	kościół	chrześcijański	krzyż	religia	świątynia
cigarette	papieros	dla palących	dym	dymek
cinema	kino	film	kręcić film
circled-m	koło z literą M	kółko	m	metro
circus-tent	namiot cyrkowy	namiot
cityscape	drapacze chmur	miasto	wieżowce
cityscape-at-dusk	miasto o zmierzchu	budynki	miasto	wieżowce	zachód słońca	zmierzch
cl-button	przycisk CL	znak cl
clamp	ścisk	kompresja	nacisk	prasowanie	presja	ściskanie
clapper-board	klaps	film	kino
clapping-hands	klaskanie	brawa	klaskać	oklaski
classical-building	klasyczna budowla	budowla	budynek	klasyczny	klasyka
clinking-beer-mugs	stukające się kufle piwa	kufle	kufle z piwem	piwiarnia
clinking-glasses	stukające się kieliszki	kieliszki	na zdrowie	toast	świętowanie
clipboard	podkładka do pisania	kartka	notes	pisanie	pisać	podkładka
clockwise-vertical-arrows	pionowe strzałki zgodne z ruchem wskazówek zegara	odśwież	okrężny	pionowe strzałki zgodnie z ruchem wskazówek zegara	strzałka
closed-book	zamknięta książka	książka	zamknięta
closed-mailbox-with-lowered-flag	zamknięta skrzynka pocztowa z opuszczoną flagą	zamknięta skrzynka pocztowa
closed-mailbox-with-raised-flag	zamknięta skrzynka pocztowa z podniesioną flagą	zamknięta skrzynka pocztowa
closed-umbrella	złożony parasol	parasolka	pogoda	złożona
cloud	chmura	pogoda
cloud-with-lightning	chmura i piorun	błyskawica	chmura	piorun	pogoda
cloud-with-lightning-and-rain	chmura z piorunem i deszczem	błyskawica	chmura	deszcz	piorun	pogoda
cloud-with-rain	chmura i deszcz	chmura	deszcz	pogoda
cloud-with-snow	chmura i śnieg	chmura	pogoda	zimno	śnieg
clown-face	twarz klauna	cyrk	klown
club-suit	trefl	gra	karta	talia
clutch-bag	saszetka	damska	torebka
coat	płaszcz	kurtka
cockroach	karaluch	karaczan	owad
cocktail-glass	kieliszek z koktajlem	kieliszek	koktajl
coconut	kokos
coffin	trumna	pogrzeb	śmierć
coin	moneta	metalowa	pieniądze	skarb	srebrna	złota
cold-face	zmarznięta twarz	mróz	niebieska twarz	odmrożenie	sopel lodu	zimno
collision	kolizja	wybuch	żartobliwy
comet	kometa	kosmos	ogon
compass	kompas	magnetyzm	nawigacja	orientacja w terenie
computer-disk	dysk komputerowy	dysk md	płyta
computer-mouse	mysz komputerowa	komputerowa	mysz	trzyprzyciskowa	trójprzyciskowa
confetti-ball	kula z konfetti	bal	impreza	konfetti	uroczystość
confounded-face	zakłopotana twarz	zirytowana buźka
confused-face	zdezorientowana twarz	zakłopotana buźka
construction	prace drogowe	bariera	znak drogowy
construction-worker	budowlaniec	kask
control-knobs	pokrętła	gałki	muzyka
convenience-store	sklep całodobowy	sklep
cook	kucharz	szef kuchni
cooked-rice	gotowany ryż	ryż
cookie	ciastko	deser	słodki	słodkie ciastko
cooking	gotowanie	jajko	smażyć
cool-button	przycisk COOL	aprobata	cool	zachwyt	świetnie
copyright	znak praw autorskich	copyright	prawa autorskie
coral	koralowiec	koralowa	ocean	rafa
couch-and-lamp	kanapa i lampa	hotel	kanapa	lampa
counterclockwise-arrows-button	przycisk ze strzałkami przeciwnie do ruchu wskazówek zegara	dookoła	okrężny	przycisk ze strzałkami w kierunku przeciwnym do ruchu wskazówek zegara	strzałka
couple-with-heart	para z sercem	miłość	para	pocałunek	zakochani
couple-with-heart-man-man	para z sercem: mężczyzna i mężczyzna	miłość	mężczyzna	para	para z sercem	pocałunek	zakochani
couple-with-heart-woman-man	para z sercem: kobieta i mężczyzna	kobieta	miłość	mężczyzna	para	para z sercem	pocałunek	zakochani
couple-with-heart-woman-woman	para z sercem: kobieta i kobieta	kobieta	miłość	para	para z sercem	pocałunek	zakochani
cow	krowa	krówka
cow-face	głowa krowy	głowa	krowa	łeb
cowboy-hat-face	głowa w kapeluszu kowbojskim	kapelusz	kowboj	kowbojka
crab	krab	rak	zodiak
crayon	kredka	rysować
credit-card	karta kredytowa	bank	karta	kredyt	pieniądze
crescent-moon	półksiężyc	księżyc	sierp
cricket	świerszcz
cricket-game	krykiet	gra	kij	piłka
crocodile	krokodyl	aligator
croissant	rogalik	jedzenie	pieczywo	rogal	rogalik francuski
cross-mark	znak krzyżyka	anuluj	krzyżyk	mnożenie	x	znak	znak mnożenia	×
cross-mark-button	przycisk z krzyżykiem	anuluj	iks	iks w kwadracie	krzyżyk w kwadracie	mnożenie
crossed-fingers	skrzyżowane palce	kciuki	powodzenia	trzymać
crossed-flags	skrzyżowane flagi	japońskie	skrzyżowane	uroczystość
crossed-swords	skrzyżowane miecze	biała broń	miecze	skrzyżowane
crown	korona	król	królowa
crutch	kula	ból	kij	laska	niepełnosprawność	pomoc w chodzeniu
crying-cat	płaczący kot	kot	płaczę	smutny	łza
crying-face	płacząca twarz	buźka ze łzą w oku
crystal-ball	kryształowa kula	fortuna	kryształowa	kula	przepowiadać	wróżka	wróżyć
cucumber	ogórek	jedzenie	korniszon	pikle	warzywo
cup-with-straw	szklanka ze słomką
cupcake	babeczka	cukiernia	deser
curling-stone	kamień do curlingu
curly-loop	pętla	zawijas
currency-exchange	wymiana walut	kantor	waluta	wymiana
curry-rice	ryż curry	curry	ryż	sos
custard	deser typu krem angielski	ciastko kremowe	krem
customs	kontrola celna	celna	komora celna	kontrola
cut-of-meat	kawałek mięsa
cyclone	cyklon	pogoda	spirala	tajfun
dagger	sztylet	broń	nóż
dango	dango	kulki mochi
dashing-away	szybkie poruszanie się	podmuch wiatru	pęd	pędzić	szybkość	wiatr
deaf-man	głuchy mężczyzna	głuchota	mężczyzna
deaf-person	osoba głucha	dostępność	głuchota	słuch	ucho
deaf-woman	głucha kobieta	głuchota	kobieta
deciduous-tree	drzewo liściaste	roślina
deer	jeleń	zwierzę
delivery-truck	samochód dostawczy	ciężarówka	dostawczy
department-store	dom towarowy	sklep	supermarket
derelict-house	stary dom	podupadły	ruina	stary	zniszczony	zrujnowany
desert	pustynia
desert-island	bezludna wyspa	bezludna	pusta	pustynia	samotna	wyspa
desktop-computer	komputer	biurkowy	ekran	stacjonarny	wyświetlacz
detective	detektyw	szpieg	śledczy
diamond-suit	karo	gra	karta	talia
diamond-with-a-dot	romb z kropką	klejnot	romb
dim-button	przycisk małej jasności	jasność	mała	niska	przyciemnić
disappointed-face	rozczarowana twarz	rozczarowana buźka
disguised-face	buźka w przebraniu	anonimowy	incognito	nos	okulary	przebranie	twarz	wąsy
divide	znak dzielenia	dzielenie	matematyka	znak	÷
diving-mask	maska do nurkowania	akwalung	nurkowanie	nurkowanie z rurką	snurkowanie
diya-lamp	dipa	lampka	oliwna
dizzy	zawroty głowy	spadająca gwiazda
dna	dna	biolog	ewolucja	gen	genetyka	życie
dodo	dodo	duży	mauritius	wymarły
dog	pies	piesek	psiaczek	psinka	zwierzę
dog-face	głowa psa	pies	psiaczek	pysk	pyszczek
dollar-banknote	banknot dolara	bank	banknot	pieniądze	rachunek	waluta
dolphin	delfin
donkey	osioł	muł	osiołek	ssak	uparty	zwierzę
door	drzwi
dotted-line-face	twarz otoczona linią przerywaną	introwertyk	niewidzialna twarz	przygnębiona twarz	ukryta twarz	znikająca twarz
dotted-six-pointed-star	gwiazda sześcioramienna z kropką	szczęście
double-curly-loop	podwójna pętla	podwójna	pętla	zawijas
double-exclamation-mark	podwójny wykrzyknik	!	!!	krzyk	okrzyk	wykrzykniki
doughnut	pączek z dziurką	ciasto	deser	pączek	z dziurką
dove	gołąb	gołąbek
down-arrow	strzałka w dół	kierunek	południe	strzałka	strzałka na dół
down-left-arrow	strzałka w dół w lewo	kierunek	południowy zachód	strzałka	strzałka na dół w lewo
down-right-arrow	strzałka w dół w prawo	kierunek	południowy wschód	strzałka
downcast-face-with-sweat	twarz ze spuszczonymi oczami oblana potem	kropla potu	spocony
downwards-button	przycisk „w dół”	na dół	strzałka	trójkąt
dragon	smok	bajka	baśń
dragon-face	głowa smoka	bajka	baśń	smok
dress	sukienka	suknia	ubiór	ubranie
drooling-face	śliniąca się twarz	ślina	ślinka
drop-of-blood	kropla krwi	krwiodawstwo	medycyna	menstruacja	oddawanie krwi
droplet	kropla	kropelka	pot	łza
drum	bęben	bębenek	grać	muzyka
duck	kaczka	ptak
dumpling	pieróg
dvd	DVD	blu-ray	cd	dysk
e-mail	e-mail	email	list	mail	poczta elektroniczna
eagle	orzeł	ptak
ear	ucho	ciało
ear-of-corn	kolba kukurydzy	kukurydza
ear-with-hearing-aid	ucho z aparatem słuchowym	niedosłuch	niedosłyszący
egg	jajko	jajo	jedzenie
eggplant	bakłażan	oberżyna	warzywo
eight-oclock	godzina 8:00	00	8	8:00	dwudziesta	godzina	ósma
eight-pointed-star	gwiazda ośmioramienna	*	gwiazda
eight-spoked-asterisk	gwiazdka ośmioramienna	*	gwiazdka
eight-thirty	godzina 8:30	30	8	8:30	dwudziesta trzydzieści	godzina	ósma trzydzieści
eject-button	wysuń	kreska	trójkąt
electric-plug	wtyczka elektryczna	elektryczna	podłączyć
elephant	słoń
elevator	winda	dostępność
eleven-oclock	godzina 11:00	00	11	11:00	dwudziesta trzecia	godzina	jedenasta
eleven-thirty	godzina 11:30	11	11:30	30	dwudziesta trzecia trzydzieści	godzina	jedenasta trzydzieści
elf	elf	magiczny
empty-nest	puste gniazdo	gniazdowanie	gnieżdżenie
end-arrow	strzałka z napisem END	koniec	strzałka
enraged-face	nadąsana twarz	dąsy	twarz	wściekłość	złość
envelope	koperta	e-mail	list	wiadomość
envelope-with-arrow	koperta ze strzałką	odebrać	poczta	przychodząca	wiadomość
euro-banknote	banknot euro	bank	banknot	pieniądze	rachunek	waluta
evergreen-tree	wiecznie zielone drzewo	drzewo iglaste
ewe	owca	baranek	samica
exclamation-question-mark	wykrzyknik ze znakiem zapytania	!	!?	?	nie rozumiem	pytajnik	pytanie	wykrzyknik	zaskoczenie	znak zapytania
exploding-head	eksplodująca głowa	szok
expressionless-face	twarz bez wyrazu	nic	nie mam zdania	nie obchodzi mnie
eye	oko	ciało
eye-in-speech-bubble	oko w dymku	dymek	oko	wzrok
eyes	oczy	oko	twarz
face-blowing-a-kiss	twarz przesyłająca całusa	całus	kocham	ślę całusa
face-exhaling	twarz wypuszczająca powietrze	gwizd	ulga	westchnienie	wydmuchiwać powietrze	wypuszczać powietrze
face-holding-back-tears	twarz powstrzymująca łzy	duma	opór	płacz	smutna twarz	zdenerwowanie
face-in-clouds	twarz w chmurach	bujać w obłokach	głowa w chmurach	zamyślenie
face-savoring-food	twarz delektująca się pysznym jedzeniem	oblizywać się
face-screaming-in-fear	twarz krzycząca ze strachu	krzycząca buźka
face-vomiting	wymiotująca twarz	chory	wymioty
face-with-crossed-out-eyes	oszołomiona twarz	oszołomiony
face-with-diagonal-mouth	twarz z ukośnymi ustami	do kitu	niepewna twarz	rozczarowana twarz	sceptyczna twarz
face-with-hand-over-mouth	twarz z ręką na ustach	ups
face-with-head-bandage	twarz z bandażem	bandaż	czoło	głowa	rana	skaleczenie
face-with-medical-mask	twarz w masce medycznej	choroba	lekarz	maska	operacja	pielęgniarka	twarz
face-with-monocle	twarz z monoklem	wyniosły
face-with-open-eyes-and-hand-over-mouth	twarz z otwartymi oczami i ręką na ustach	niedowierzanie	niespodzianka	przestrach	przestraszona twarz	zawstydzona twarz	zdumienie
face-with-open-mouth	twarz z otwartymi ustami	zaskoczenie	zaskoczona buźka
face-with-peeking-eye	twarz z podglądającym okiem	gapienie się	podglądanie	zaabsorbowana twarz
face-with-raised-eyebrow	twarz z podniesioną brwią	brew	buźka	sceptyczny
face-with-rolling-eyes	twarz przewracająca oczami	buźka	przewracam oczami
face-with-spiral-eyes	twarz ze spiralnymi oczami	spirale	wow	zahipnotyzowana twarz	zawroty głowy
face-with-steam-from-nose	prychająca twarz	triumf	twarz z parą wylatującą z nosa	wygrana
face-with-symbols-on-mouth	twarz z symbolami na ustach	przekleństwo
face-with-tears-of-joy	twarz ze łzami radości	łzy	śmiech
face-with-thermometer	twarz z termometrem	choroba	gorączka	temperatura	termometr
face-with-tongue	twarz wystawiająca język	buźka pokazująca język
face-without-mouth	twarz bez ust	buźka	cisza	nic nie mówię
factory	fabryka	budynek	produkcyjny	zakład pracy
factory-worker	pracownik fabryki	fabryka	montażysta	pracownik
fairy	wróżka	oberon	puk	tytania
falafel	falafel	ciecierzyca	kotlecik z ciecierzycy
fallen-leaf	spadające liście	liście	roślina	spadanie
family	rodzina	dziecko	mama	matka	ojciec	rodzice	tata
family-man-boy	rodzina: mężczyzna i chłopiec	chłopiec	dziecko	mama	matka	mężczyzna	ojciec	rodzice	rodzina	tata
family-man-boy-boy	rodzina: mężczyzna, chłopiec i chłopiec	chłopiec	dziecko	mama	matka	mężczyzna	ojciec	rodzice	rodzina	tata
family-man-girl	rodzina: mężczyzna i dziewczynka	dziecko	dziewczynka	mama	matka	mężczyzna	ojciec	rodzice	rodzina	tata
family-man-girl-boy	rodzina: mężczyzna, dziewczynka i chłopiec	chłopiec	dziecko	dziewczynka	mama	matka	mężczyzna	ojciec	rodzice	rodzina	tata
family-man-girl-girl	rodzina: mężczyzna, dziewczynka i dziewczynka	dziecko	dziewczynka	mama	matka	mężczyzna	ojciec	rodzice	rodzina	tata
family-man-man-boy	rodzina: mężczyzna, mężczyzna i chłopiec	chłopiec	dziecko	mama	matka	mężczyzna	ojciec	rodzice	rodzina	tata
family-man-man-boy-boy	rodzina: mężczyzna, mężczyzna, chłopiec i chłopiec	chłopiec	dziecko	mama	matka	mężczyzna	ojciec	rodzice	rodzina	tata
family-man-man-girl	rodzina: mężczyzna, mężczyzna i dziewczynka	dziecko	dziewczynka	mama	matka	mężczyzna	ojciec	rodzice	rodzina	tata
family-man-man-girl-boy	rodzina: mężczyzna, mężczyzna, dziewczynka i chłopiec	chłopiec	dziecko	dziewczynka	mama	matka	mężczyzna	ojciec	rodzice	rodzina	tata
family-man-man-girl-girl	rodzina: mężczyzna, mężczyzna, dziewczynka i dziewczynka	dziecko	dziewczynka	mama	matka	mężczyzna	ojciec	rodzice	rodzina	tata
family-man-woman-boy	rodzina: mężczyzna, kobieta i chłopiec	chłopiec	dziecko	kobieta	mama	matka	mężczyzna	ojciec	rodzice	rodzina	tata
family-man-woman-boy-boy	rodzina: mężczyzna, kobieta, chłopiec i chłopiec	chłopiec	dziecko	kobieta	mama	matka	mężczyzna	ojciec	rodzice	rodzina	tata
family-man-woman-girl	rodzina: mężczyzna, kobieta i dziewczynka	dziecko	dziewczynka	kobieta	mama	matka	mężczyzna	ojciec	rodzice	rodzina	tata
family-man-woman-girl-boy	rodzina: mężczyzna, kobieta, dziewczynka i chłopiec	chłopiec	dziecko	dziewczynka	kobieta	mama	matka	mężczyzna	ojciec	rodzice	rodzina	tata
family-man-woman-girl-girl	rodzina: mężczyzna, kobieta, dziewczynka i dziewczynka	dziecko	dziewczynka	kobieta	mama	matka	mężczyzna	ojciec	rodzice	rodzina	tata
family-woman-boy	rodzina: kobieta i chłopiec	chłopiec	dziecko	kobieta	mama	matka	ojciec	rodzice	rodzina	tata
family-woman-boy-boy	rodzina: kobieta, chłopiec i chłopiec	chłopiec	dziecko	kobieta	mama	matka	ojciec	rodzice	rodzina	tata
family-woman-girl	rodzina: kobieta i dziewczynka	dziecko	dziewczynka	kobieta	mama	matka	ojciec	rodzice	rodzina	tata
family-woman-girl-boy	rodzina: kobieta, dziewczynka i chłopiec	chłopiec	dziecko	dziewczynka	kobieta	mama	matka	ojciec	rodzice	rodzina	tata
family-woman-girl-girl	rodzina: kobieta, dziewczynka i dziewczynka	dziecko	dziewczynka	kobieta	mama	matka	ojciec	rodzice	rodzina	tata
family-woman-woman-boy	rodzina: kobieta, kobieta i chłopiec	chłopiec	dziecko	kobieta	mama	matka	ojciec	rodzice	rodzina	tata
family-woman-woman-boy-boy	rodzina: kobieta, kobieta, chłopiec i chłopiec	chłopiec	dziecko	kobieta	mama	matka	ojciec	rodzice	rodzina	tata
family-woman-woman-girl	rodzina: kobieta, kobieta i dziewczynka	dziecko	dziewczynka	kobieta	mama	matka	ojciec	rodzice	rodzina	tata
family-woman-woman-girl-boy	rodzina: kobieta, kobieta, dziewczynka i chłopiec	chłopiec	dziecko	dziewczynka	kobieta	mama	matka	ojciec	rodzice	rodzina	tata
family-woman-woman-girl-girl	rodzina: kobieta, kobieta, dziewczynka i dziewczynka	dziecko	dziewczynka	kobieta	mama	matka	ojciec	rodzice	rodzina	tata
farmer	rolnik	farmer	ogrodnik
fast-down-button	przycisk „szybko w dół”	na dół	podwójna	strzałka	w dół
fast-forward-button	przycisk szybkiego przewijania do przodu	do przodu	podwójna	przewiń	strzałka	szybkie przewijanie	trójkąt
fast-reverse-button	przycisk szybkiego przewijania do tyłu	do tyłu	podwójna	przewiń	strzałka	szybkie przewijanie	trójkąt	w lewo	wstecz
fast-up-button	przycisk „szybko w górę”	do góry	podwójna	strzałka	w górę
fax-machine	faks
fearful-face	przestraszona twarz	wystraszona buźka
feather	pióro	latanie	lekkość	pierze	pióra	upierzenie
female-sign	znak kobiety	kobieta	znak	żeński
ferris-wheel	diabelski młyn	diabelski	karuzela	młyn	park rozrywki	wesołe miasteczko
ferry	prom	łódź
field-hockey	hokej na trawie	boisko	gra	hokej	kijek	na trawie	piłka
file-cabinet	szafka-kartoteka	dokumenty	indeks	kartoteka	karty	szafka	szuflady
file-folder	folder	katalog
film-frames	taśma filmowa	film	kino	klatki
film-projector	projektor filmowy	film	kino	projekcja	projektor
fire	ogień	płomień
fire-engine	samochód strażacki	pożar	straż pożarna	wóz strażacki
fire-extinguisher	gaśnica	ogień	ugasić	zgasić
firecracker	petarda	dynamit	fajerwerki	materiał wybuchowy
firefighter	strażak	straż pożarna	wóz strażacki
fireworks	fajerwerki	nowy rok	obchody	święta
first-quarter-moon	pierwsza kwadra księżyca	księżyc	kwadra
first-quarter-moon-face	pierwsza kwadra księżyca z twarzą	księżyc z twarzą	pierwsza kwadra	pierwsza kwadra księżyca
fish	ryba	zodiak
fish-cake-with-swirl	ciastko rybne	ciastko	ryba	rybne	spirala
fishing-pole	wędka	złowić	łowienie ryb
five-oclock	godzina 5:00	00	5	5:00	godzina	piąta	siedemnasta
five-thirty	godzina 5:30	30	5	5:30	godzina	piąta trzydzieści	siedemnasta trzydzieści
flag-afghanistan	flaga: Afganistan	AF	flaga
flag-aland-islands	flaga: Wyspy Alandzkie	AX	flaga
flag-albania	flaga: Albania	AL	flaga
flag-algeria	flaga: Algieria	DZ	flaga
flag-american-samoa	flaga: Samoa Amerykańskie	AS	flaga
flag-andorra	flaga: Andora	AD	flaga
flag-angola	flaga: Angola	AO	flaga
flag-anguilla	flaga: Anguilla	AI	flaga
flag-antarctica	flaga: Antarktyda	AQ	flaga
flag-antigua-and-barbuda	flaga: Antigua i Barbuda	AG	flaga
flag-argentina	flaga: Argentyna	AR	flaga
flag-armenia	flaga: Armenia	AM	flaga
flag-aruba	flaga: Aruba	AW	flaga
flag-ascension-island	flaga: Wyspa Wniebowstąpienia	AC	flaga
flag-australia	flaga: Australia	AU	flaga
flag-austria	flaga: Austria	AT	flaga
flag-azerbaijan	flaga: Azerbejdżan	AZ	flaga
flag-bahamas	flaga: Bahamy	BS	flaga
flag-bahrain	flaga: Bahrajn	BH	flaga
flag-bangladesh	flaga: Bangladesz	BD	flaga
flag-barbados	flaga: Barbados	BB	flaga
flag-belarus	flaga: Białoruś	BY	flaga
flag-belgium	flaga: Belgia	BE	flaga
flag-belize	flaga: Belize	BZ	flaga
flag-benin	flaga: Benin	BJ	flaga
flag-bermuda	flaga: Bermudy	BM	flaga
flag-bhutan	flaga: Bhutan	BT	flaga
flag-bolivia	flaga: Boliwia	BO	flaga
flag-bosnia-and-herzegovina	flaga: Bośnia i Hercegowina	BA	flaga
flag-botswana	flaga: Botswana	BW	flaga
flag-bouvet-island	flaga: Wyspa Bouveta	BV	flaga
flag-brazil	flaga: Brazylia	BR	flaga
flag-british-indian-ocean-territory	flaga: Brytyjskie Terytorium Oceanu Indyjskiego	IO	flaga
flag-british-virgin-islands	flaga: Brytyjskie Wyspy Dziewicze	VG	flaga
flag-brunei	flaga: Brunei	BN	flaga
flag-bulgaria	flaga: Bułgaria	BG	flaga
flag-burkina-faso	flaga: Burkina Faso	BF	flaga
flag-burundi	flaga: Burundi	BI	flaga
flag-cambodia	flaga: Kambodża	KH	flaga
flag-cameroon	flaga: Kamerun	CM	flaga
flag-canada	flaga: Kanada	CA	flaga
flag-canary-islands	flaga: Wyspy Kanaryjskie	IC	flaga
flag-cape-verde	flaga: Republika Zielonego Przylądka	CV	flaga
flag-caribbean-netherlands	flaga: Niderlandy Karaibskie	BQ	flaga
flag-cayman-islands	flaga: Kajmany	KY	flaga
flag-central-african-republic	flaga: Republika Środkowoafrykańska	CF	flaga
flag-ceuta-and-melilla	flaga: Ceuta i Melilla	EA	flaga
flag-chad	flaga: Czad	TD	flaga
flag-chile	flaga: Chile	CL	flaga
flag-china	flaga: Chiny	CN	flaga
flag-christmas-island	flaga: Wyspa Bożego Narodzenia	CX	flaga
flag-clipperton-island	flaga: Wyspa Clippertona	CP	flaga
flag-cocos-keeling-islands	flaga: Wyspy Kokosowe	CC	flaga
flag-colombia	flaga: Kolumbia	CO	flaga
flag-comoros	flaga: Komory	KM	flaga
flag-congo-brazzaville	flaga: Kongo	CG	flaga
flag-congo-kinshasa	flaga: Demokratyczna Republika Konga	CD	flaga
flag-cook-islands	flaga: Wyspy Cooka	CK	flaga
flag-costa-rica	flaga: Kostaryka	CR	flaga
flag-cote-divoire	flaga: Côte d’Ivoire	CI	flaga
flag-croatia	flaga: Chorwacja	HR	flaga
flag-cuba	flaga: Kuba	CU	flaga
flag-curacao	flaga: Curaçao	CW	flaga
flag-cyprus	flaga: Cypr	CY	flaga
flag-czechia	flaga: Czechy	CZ	flaga
flag-denmark	flaga: Dania	DK	flaga
flag-diego-garcia	flaga: Diego Garcia	DG	flaga
flag-djibouti	flaga: Dżibuti	DJ	flaga
flag-dominica	flaga: Dominika	DM	flaga
flag-dominican-republic	flaga: Dominikana	DO	flaga
flag-ecuador	flaga: Ekwador	EC	flaga
flag-egypt	flaga: Egipt	EG	flaga
flag-el-salvador	flaga: Salwador	SV	flaga
flag-england	flaga: Anglia	flaga	gbeng
flag-equatorial-guinea	flaga: Gwinea Równikowa	GQ	flaga
flag-eritrea	flaga: Erytrea	ER	flaga
flag-estonia	flaga: Estonia	EE	flaga
flag-eswatini	flaga: Eswatini	SZ	flaga
flag-ethiopia	flaga: Etiopia	ET	flaga
flag-european-union	flaga: Unia Europejska	EU	flaga
flag-falkland-islands	flaga: Falklandy	FK	flaga
flag-faroe-islands	flaga: Wyspy Owcze	FO	flaga
flag-fiji	flaga: Fidżi	FJ	flaga
flag-finland	flaga: Finlandia	FI	flaga
flag-france	flaga: Francja	FR	flaga
flag-french-guiana	flaga: Gujana Francuska	GF	flaga
flag-french-polynesia	flaga: Polinezja Francuska	PF	flaga
flag-french-southern-territories	flaga: Francuskie Terytoria Południowe i Antarktyczne	TF	flaga
flag-gabon	flaga: Gabon	GA	flaga
flag-gambia	flaga: Gambia	GM	flaga
flag-georgia	flaga: Gruzja	GE	flaga
flag-germany	flaga: Niemcy	DE	flaga
flag-ghana	flaga: Ghana	GH	flaga
flag-gibraltar	flaga: Gibraltar	GI	flaga
flag-greece	flaga: Grecja	GR	flaga
flag-greenland	flaga: Grenlandia	GL	flaga
flag-grenada	flaga: Grenada	GD	flaga
flag-guadeloupe	flaga: Gwadelupa	GP	flaga
flag-guam	flaga: Guam	GU	flaga
flag-guatemala	flaga: Gwatemala	GT	flaga
flag-guernsey	flaga: Guernsey	GG	flaga
flag-guinea	flaga: Gwinea	GN	flaga
flag-guinea-bissau	flaga: Gwinea Bissau	GW	flaga
flag-guyana	flaga: Gujana	GY	flaga
flag-haiti	flaga: Haiti	HT	flaga
flag-heard-and-mcdonald-islands	flaga: Wyspy Heard i McDonalda	HM	flaga
flag-honduras	flaga: Honduras	HN	flaga
flag-hong-kong-sar-china	flaga: SRA Hongkong (Chiny)	HK	flaga
flag-hungary	flaga: Węgry	HU	flaga
flag-iceland	flaga: Islandia	IS	flaga
flag-in-hole	flaga w dołku	golf	otwór
flag-india	flaga: Indie	IN	flaga
flag-indonesia	flaga: Indonezja	ID	flaga
flag-iran	flaga: Iran	IR	flaga
flag-iraq	flaga: Irak	IQ	flaga
flag-ireland	flaga: Irlandia	IE	flaga
flag-isle-of-man	flaga: Wyspa Man	IM	flaga
flag-israel	flaga: Izrael	IL	flaga
flag-italy	flaga: Włochy	IT	flaga
flag-jamaica	flaga: Jamajka	JM	flaga
flag-japan	flaga: Japonia	JP	flaga
flag-jersey	flaga: Jersey	JE	flaga
flag-jordan	flaga: Jordania	JO	flaga
flag-kazakhstan	flaga: Kazachstan	KZ	flaga
flag-kenya	flaga: Kenia	KE	flaga
flag-kiribati	flaga: Kiribati	KI	flaga
flag-kosovo	flaga: Kosowo	XK	flaga
flag-kuwait	flaga: Kuwejt	KW	flaga
flag-kyrgyzstan	flaga: Kirgistan	KG	flaga
flag-laos	flaga: Laos	LA	flaga
flag-latvia	flaga: Łotwa	LV	flaga
flag-lebanon	flaga: Liban	LB	flaga
flag-lesotho	flaga: Lesotho	LS	flaga
flag-liberia	flaga: Liberia	LR	flaga
flag-libya	flaga: Libia	LY	flaga
flag-liechtenstein	flaga: Liechtenstein	LI	flaga
flag-lithuania	flaga: Litwa	LT	flaga
flag-luxembourg	flaga: Luksemburg	LU	flaga
flag-macao-sar-china	flaga: SRA Makau (Chiny)	MO	flaga
flag-madagascar	flaga: Madagaskar	MG	flaga
flag-malawi	flaga: Malawi	MW	flaga
flag-malaysia	flaga: Malezja	MY	flaga
flag-maldives	flaga: Malediwy	MV	flaga
flag-mali	flaga: Mali	ML	flaga
flag-malta	flaga: Malta	MT	flaga
flag-marshall-islands	flaga: Wyspy Marshalla	MH	flaga
flag-martinique	flaga: Martynika	MQ	flaga
flag-mauritania	flaga: Mauretania	MR	flaga
flag-mauritius	flaga: Mauritius	MU	flaga
flag-mayotte	flaga: Majotta	YT	flaga
flag-mexico	flaga: Meksyk	MX	flaga
flag-micronesia	flaga: Mikronezja	FM	flaga
flag-moldova	flaga: Mołdawia	MD	flaga
flag-monaco	flaga: Monako	MC	flaga
flag-mongolia	flaga: Mongolia	MN	flaga
flag-montenegro	flaga: Czarnogóra	ME	flaga
flag-montserrat	flaga: Montserrat	MS	flaga
flag-morocco	flaga: Maroko	MA	flaga
flag-mozambique	flaga: Mozambik	MZ	flaga
flag-myanmar-burma	flaga: Mjanma (Birma)	MM	flaga
flag-namibia	flaga: Namibia	NA	flaga
flag-nauru	flaga: Nauru	NR	flaga
flag-nepal	flaga: Nepal	NP	flaga
flag-netherlands	flaga: Holandia	NL	flaga
flag-new-caledonia	flaga: Nowa Kaledonia	NC	flaga
flag-new-zealand	flaga: Nowa Zelandia	NZ	flaga
flag-nicaragua	flaga: Nikaragua	NI	flaga
flag-niger	flaga: Niger	NE	flaga
flag-nigeria	flaga: Nigeria	NG	flaga
flag-niue	flaga: Niue	NU	flaga
flag-norfolk-island	flaga: Norfolk	NF	flaga
flag-north-korea	flaga: Korea Północna	KP	flaga
flag-north-macedonia	flaga: Macedonia Północna	MK	flaga
flag-northern-mariana-islands	flaga: Mariany Północne	MP	flaga
flag-norway	flaga: Norwegia	NO	flaga
flag-oman	flaga: Oman	OM	flaga
flag-pakistan	flaga: Pakistan	PK	flaga
flag-palau	flaga: Palau	PW	flaga
flag-palestinian-territories	flaga: Terytoria Palestyńskie	PS	flaga
flag-panama	flaga: Panama	PA	flaga
flag-papua-new-guinea	flaga: Papua-Nowa Gwinea	PG	flaga
flag-paraguay	flaga: Paragwaj	PY	flaga
flag-peru	flaga: Peru	PE	flaga
flag-philippines	flaga: Filipiny	PH	flaga
flag-pitcairn-islands	flaga: Pitcairn	PN	flaga
flag-poland	flaga: Polska	PL	flaga
flag-portugal	flaga: Portugalia	PT	flaga
flag-puerto-rico	flaga: Portoryko	PR	flaga
flag-qatar	flaga: Katar	QA	flaga
flag-reunion	flaga: Reunion	RE	flaga
flag-romania	flaga: Rumunia	RO	flaga
flag-russia	flaga: Rosja	RU	flaga
flag-rwanda	flaga: Rwanda	RW	flaga
flag-samoa	flaga: Samoa	WS	flaga
flag-san-marino	flaga: San Marino	SM	flaga
flag-sao-tome-and-principe	flaga: Wyspy Świętego Tomasza i Książęca	ST	flaga
flag-saudi-arabia	flaga: Arabia Saudyjska	SA	flaga
flag-scotland	flaga: Szkocja	flaga	gbsct
flag-senegal	flaga: Senegal	SN	flaga
flag-serbia	flaga: Serbia	RS	flaga
flag-seychelles	flaga: Seszele	SC	flaga
flag-sierra-leone	flaga: Sierra Leone	SL	flaga
flag-singapore	flaga: Singapur	SG	flaga
flag-sint-maarten	flaga: Sint Maarten	SX	flaga
flag-slovakia	flaga: Słowacja	SK	flaga
flag-slovenia	flaga: Słowenia	SI	flaga
flag-solomon-islands	flaga: Wyspy Salomona	SB	flaga
flag-somalia	flaga: Somalia	SO	flaga
flag-south-africa	flaga: Republika Południowej Afryki	ZA	flaga
flag-south-georgia-and-south-sandwich-islands	flaga: Georgia Południowa i Sandwich Południowy	GS	flaga
flag-south-korea	flaga: Korea Południowa	KR	flaga
flag-south-sudan	flaga: Sudan Południowy	SS	flaga
flag-spain	flaga: Hiszpania	ES	flaga
flag-sri-lanka	flaga: Sri Lanka	LK	flaga
flag-st-barthelemy	flaga: Saint-Barthélemy	BL	flaga
flag-st-helena	flaga: Wyspa Świętej Heleny	SH	flaga
flag-st-kitts-and-nevis	flaga: Saint Kitts i Nevis	KN	flaga
flag-st-lucia	flaga: Saint Lucia	LC	flaga
flag-st-martin	flaga: Saint-Martin	MF	flaga
flag-st-pierre-and-miquelon	flaga: Saint-Pierre i Miquelon	PM	flaga
flag-st-vincent-and-grenadines	flaga: Saint Vincent i Grenadyny	VC	flaga
flag-sudan	flaga: Sudan	SD	flaga
flag-suriname	flaga: Surinam	SR	flaga
flag-svalbard-and-jan-mayen	flaga: Svalbard i Jan Mayen	SJ	flaga
flag-sweden	flaga: Szwecja	SE	flaga
flag-switzerland	flaga: Szwajcaria	CH	flaga
flag-syria	flaga: Syria	SY	flaga
flag-taiwan	flaga: Tajwan	TW	flaga
flag-tajikistan	flaga: Tadżykistan	TJ	flaga
flag-tanzania	flaga: Tanzania	TZ	flaga
flag-thailand	flaga: Tajlandia	TH	flaga
flag-timor-leste	flaga: Timor Wschodni	TL	flaga
flag-togo	flaga: Togo	TG	flaga
flag-tokelau	flaga: Tokelau	TK	flaga
flag-tonga	flaga: Tonga	TO	flaga
flag-trinidad-and-tobago	flaga: Trynidad i Tobago	TT	flaga
flag-tristan-da-cunha	flaga: Tristan da Cunha	TA	flaga
flag-tunisia	flaga: Tunezja	TN	flaga
flag-turkiye	flaga: Turcja	TR	flaga
flag-turkmenistan	flaga: Turkmenistan	TM	flaga
flag-turks-and-caicos-islands	flaga: Turks i Caicos	TC	flaga
flag-tuvalu	flaga: Tuvalu	TV	flaga
flag-u-s-outlying-islands	flaga: Dalekie Wyspy Mniejsze Stanów Zjednoczonych	UM	flaga
flag-u-s-virgin-islands	flaga: Wyspy Dziewicze Stanów Zjednoczonych	VI	flaga
flag-uganda	flaga: Uganda	UG	flaga
flag-ukraine	flaga: Ukraina	UA	flaga
flag-united-arab-emirates	flaga: Zjednoczone Emiraty Arabskie	AE	flaga
flag-united-kingdom	flaga: Wielka Brytania	GB	flaga
flag-united-nations	flaga: Organizacja Narodów Zjednoczonych	UN	flaga
flag-united-states	flaga: Stany Zjednoczone	US	flaga
flag-uruguay	flaga: Urugwaj	UY	flaga
flag-uzbekistan	flaga: Uzbekistan	UZ	flaga
flag-vanuatu	flaga: Vanuatu	VU	flaga
flag-vatican-city	flaga: Watykan	VA	flaga
flag-venezuela	flaga: Wenezuela	VE	flaga
flag-vietnam	flaga: Wietnam	VN	flaga
flag-wales	flaga: Walia	flaga	gbwls
flag-wallis-and-futuna	flaga: Wallis i Futuna	WF	flaga
flag-western-sahara	flaga: Sahara Zachodnia	EH	flaga
flag-yemen	flaga: Jemen	YE	flaga
flag-zambia	flaga: Zambia	ZM	flaga
flag-zimbabwe	flaga: Zimbabwe	ZW	flaga
flamingo	flaming	ekstrawagancja	tropikalny
flashlight	latarka	elektryczna	lampka	światło
flat-shoe	baleriny	baletki	but wsuwany	pantofelek
flatbread	pita	arepa	lawasz	naan	podpłomyk
fleur-de-lis	lilijka	harcerze
flexed-biceps	napięty biceps	mięśnie	muskularny	muskuły	silny	siła
floppy-disk	dyskietka	komputerowa	miękki dysk
flower-playing-cards	gra karciana hanafuda	gra	japońska	kwiat
flushed-face	twarz z rumieńcami	twarz z wypiekami
flute	flet	flet prosty	gwizdać	instrument dęty drewniany	muzyka	piszczałka
fly	mucha	choroby	giez	gnicie	owad	tse-tse
flying-disc	frisbee	latający dysk	ultimate
flying-saucer	latający talerz	ufo
fog	mgła	pogoda
foggy	zamglenie	mglisto	mgła	pogoda	zamglone
folded-hands	złożone ręce	modlitwa	prosić	dziękuję
folding-hand-fan	wachlarz	gorąco	nieśmiałość	ochłoda	taniec	wachlowanie	wachlować
fondue	fondue	czekolada	garnek	roztopione	ser	szwajcarskie
foot	stopa	kopniak	tupanie
footprints	ślady stóp	odciski stóp	stopy	ślady
fork-and-knife	widelec i nóż	gotowanie	nóż	widelec
fork-and-knife-with-plate	talerz z nożem i widelcem	naczynia	nóż	sztućce	talerz	widelec
fortune-cookie	ciastko z wróżbą
fountain	fontanna
fountain-pen	wieczne pióro	pióro	stalówka	wieczne
four-leaf-clover	czterolistna koniczyna	koniczyna	koniczynka	szczęście
four-oclock	godzina 4:00	00	4	4:00	czwarta	godzina	szesnasta
four-thirty	godzina 4:30	30	4	4:30	czwarta trzydzieści	godzina	szesnasta trzydzieści
fox	głowa lisa	lis	zwierzę
framed-picture	obrazek w ramce	malarstwo	muzeum	obraz	ramka	sztuka
free-button	przycisk FREE	znak braku opłaty	znak free
french-fries	frytki
fried-shrimp	smażona krewetka
frog	głowa żaby	ropucha	traszka	żaba	żabka
front-facing-baby-chick	kurczątko od przodu	pisklak	pisklę
frowning-face	zachmurzona twarz	grymas	niezadowolenie
frowning-face-with-open-mouth	zachmurzona twarz z otwartymi ustami	rozzłoszczona buźka
fuel-pump	dystrybutor paliwa	benzyna	dystrybutor	stacja paliw
full-moon	pełnia	jasny księżyc	księżyc	pełny księżyc
full-moon-face	pełnia z twarzą	księżyc w pełni	pełnia
funeral-urn	urna na prochy	pogrzeb	urna	śmierć
game-die	kostka do gry	gra	kostka	w kości
garlic	czosnek	aromatyczny
gear	koło zębate	kółko	skrzynia biegów	zębate	zębatka
gem-stone	kamień szlachetny	diament	miłość	romans
gemini	Bliźnięta	znak zodiaku	zodiak
genie	dżin
ghost	duch	duszek	język	wesoły duch
ginger-root	korzeń imbiru	korzeń	piwo	przyprawa
giraffe	żyrafa
girl	dziewczynka	panna	znak zodiaku
glass-of-milk	szklanka mleka	mleko	napój	szklanka
glasses	okulary	oczy	szkła
globe-showing-americas	kula ziemska przedstawiająca Ameryki	ameryka	ameryka północna i południowa	ziemia
globe-showing-asia-australia	kula ziemska przedstawiająca Azję i Australię	australia	azja	ziemia
globe-showing-europe-africa	kula ziemska przedstawiająca Europę i Afrykę	afryka	europa	ziemia
globe-with-meridians	kula ziemska z południkami	glob	globus	południki	równoleżniki
gloves	rękawiczki	ręka
glowing-star	błyszcząca gwiazda	błyszcząca	lśniąca	świecąca gwiazdka
goal-net	bramka	gol	sport
goat	koza	koziorożec	zodiak
goblin	goblin	diabeł	maska	stwór
goggles	okulary ochronne	ochrona oczu	pływanie	spawanie
goose	gęś	drób	gęganie	głuptas	ptak
gorilla	goryl	zwierzę
graduation-cap	biret	czapka absolwenta	nakrycie głowy	ubiór	uroczystość
grapes	winogrona	owoce
green-apple	zielone jabłko	jabłko	owoc	zielone jabłuszko
green-book	zielona książka	książka	zielona
green-circle	zielone koło	koło	kółko	zielone
green-heart	zielone serce	serce	zielone
green-salad	sałatka	jedzenie	sałata
green-square	zielony kwadrat	kwadrat	kwadratowy	zielony
grey-heart	szare serce	ciemnoszare	serce	srebrne	szare
grimacing-face	twarz z grymasem	grymaśna buźka
grinning-cat	uśmiechnięty kot	kot	uśmiech	uśmiechnięty kot z otwartym pyszczkiem	zęby
grinning-cat-with-smiling-eyes	uśmiechnięty kot o wesołych oczach	kot	oczy	roześmiany	uśmiech	wesoły
grinning-face	szeroko uśmiechnięta twarz	roześmiana buźka
grinning-face-with-big-eyes	uśmiechnięta twarz z otwartymi ustami	uśmiech	wesoły
grinning-face-with-smiling-eyes	uśmiechnięta twarz z otwartymi ustami i roześmianymi oczami	uśmiech	wesoły
grinning-face-with-sweat	uśmiechnięta twarz z otwartymi ustami, oblana zimnym potem	kropla potu	oblana zimnym potem	uśmiech	uśmiechnięta twarz z otwartymi ustami	wesoły
grinning-squinting-face	uśmiechnięta twarz z przymrużonymi oczami	satysfakcja	uśmiech	wesoły
growing-heart	rosnące serce	bicie serca	puls	serce rośnie	tętno	zdenerwowany
guard	gwardzista	strażnik
guide-dog	pies przewodnik	dostępność	niewidomi	przewodnik	ułatwienia dostępu
guitar	gitara	instrument	muzyka
hair-pick	grzebień fryzjerski	afro	grzebień	rozczesywanie	włosy
hamburger	hamburger	fast food
hammer	młotek	młot	narzędzie
hammer-and-pick	młoty	kilof	młot	narzędzia
hammer-and-wrench	młot i klucz	klucz	młot	narzędzia	warsztatowy
hamsa	chamsa	amulet	dłoń	dłoń fatimy	dłoń z okiem	fatima	miriam	ochrona	ręka fatimy	ręka miriam	ręka z okiem
hamster	głowa chomika	mysz
hand-with-fingers-splayed	uniesiona otwarta dłoń	otwarta dłoń wszystkie palce	palce	rozpostarte palce
hand-with-index-finger-and-thumb-crossed	dłoń ze skrzyżowanym palcem wskazującym i kciukiem	drogie	miłość	pieniądze	pstryknięcie palcami	serce
handbag	torebka	bagaż	damska torebka
handshake	uścisk dłoni	powitanie	spotkanie	uścisk	zgoda
hatching-chick	wykluwające się kurczątko	kurczaczek	kurczątko	pisklak	wykluwać się
headphone	słuchawki
headstone	nagrobek	cmentarz	grób	kamień nagrobny
health-worker	pracownik służby zdrowia	lekarz	opieka zdrowotna	terapeuta
hear-no-evil-monkey	małpa zasłaniająca uszy	gest	nie	nie słyszeć	nie słyszę	niedobre	zabronione	zakrywam uszy
heart-decoration	dekoracja z sercem	dekoracja	ozdoba
heart-exclamation	wykrzyknik w kształcie serca	czerwony wykrzyknik	serce	wykrzyknik	znak interpunkcyjny
heart-hands	dłonie tworzące serce	miłość
heart-on-fire	serce w płomieniach	miłość	płomienie	płonąć	serce	święte serce
heart-suit	kier	gra	karta	talia
heart-with-arrow	serce przebite strzałą	przebite strzałą	serce ze strzałą
heart-with-ribbon	serce ze wstążką	serce	walentynki	wstążka
heavy-dollar-sign	gruby symbol dolara	dolary	pieniądze	usd	waluta
heavy-equals-sign	gruby znak równości	matematyka	równość
hedgehog	jeż
helicopter	helikopter	śmigłowiec
herb	zioło	liście	zioła
hibiscus	kwiat hibiskusa	kwiatek	kwitnie	roślina
high-heeled-shoe	but na wysokim obcasie	na szpilkach	szpilka	wysoki obcas
high-speed-train	szybki pociąg	kolej	pendolino	pojazd szynowy	shinkansen
high-voltage	wysokie napięcie	błysk	błyskawica	elektryczność	napięcie	niebezpieczeństwo	piorun
hiking-boot	but turystyczny	biwak	but	piesze wędrówki	wędrówki z plecakiem
hindu-temple	świątynia hinduistyczna	hinduizm	świątynia
hippopotamus	hipopotam
hole	otwór	dziura
hollow-red-circle	gruby czerwony okrąg	koło	kółko	o	okrąg
honey-pot	garnek miodu	beczka z miodem	słoik miodu
honeybee	pszczoła	insekt	owad	pszczółka
hook	hak	haczyk	połknąć	zakrzywiony	złapać
horizontal-traffic-light	pozioma sygnalizacja uliczna	sygnalizacja świetlna
horse	koń	koń wyścigowy	wierzchowiec	wyścigi konne
horse-face	głowa konia	głowa	konia	końska	koński	łeb
horse-racing	wyścigi konne	jeździec	koń
hospital	szpital	budynek	lecznica	lekarz	medycyna
hot-beverage	gorący napój	gorąca	herbata	kawa	napój	parująca	picie
hot-dog	hot dog	bułka	frankfurterka	gorący pies	hotdog	parówka
hot-face	rozgrzana twarz	czerwona buźka	rozgrzana buźka	rozpalony	spocony	udar cieplny	upał
hot-pepper	ostra papryka	ostry	papryka
hot-springs	gorące źródła	gorące	para	woda	źródło
hotel	hotel	budynek
hourglass-done	klepsydra	czas	odmierzać	piasek
hourglass-not-done	klepsydra z przesypującym się piaskiem	czas	klepsydra	odmierzać	piasek
house	dom	budynek	mieszkalny
house-with-garden	dom z ogrodem	dom	drzewo	ogród
houses	domki	domy	osiedle
hundred-points	sto punktów	100	setka	stówa	stówka
hushed-face	zdumiona twarz	zaskoczenie	zaskoczona buźka
hut	chata	dom	jurta	okrągły
hyacinth	hiacynt	bławatek	chaber	kwiat	lawenda	lwia paszcza	łubin
ice	kostka lodu	lód	zimny
ice-cream	lody	deser	lód
ice-hockey	hokej na lodzie	gra	hokej	kijek	krążek	lód	na lodzie
ice-skate	but z łyżwą	lodowisko	lód	łyżwa
id-button	przycisk ID	id	identyfikator	znak id
identification-card	dowód tożsamości	bezpieczeństwo	dane osobowe	prawo jazdy
inbox-tray	skrzynka odbiorcza	list	mail	odbierać	odbiorcza	otrzymywać	pocztowa	skrzynka
incoming-envelope	koperta przychodząca	e-mail	email	list	mail	poczta elektroniczna
index-pointing-at-the-viewer	palec wskazujący skierowany na patrzącego	ty	wskazywanie
index-pointing-up	palec wskazujący w górę	do góry	góra	palec	w górę	wskazujący
infinity	nieskończoność	bezgraniczność	wieczność
information	informacja	i	informacje	punkt informacyjny	źródło informacji
input-latin-letters	litery (alfabet łaciński)	abecadło	alfabet	małe litery	pierwsze litery
input-latin-lowercase	małe litery (alfabet łaciński)	abcd	małymi literami	pisać	wprowadzać	łacińskie
input-latin-uppercase	wielkie litery (alfabet łaciński)	abcd	duże litery	kapitaliki	pisać	wielkimi literami	wprowadzać	łacińskie
input-numbers	cyfry	1234	liczby	pisać
input-symbols	symbole	pisać	wprowadzać	znaki
jack-o-lantern	dynia na halloween	dynia	halloween
japanese-acceptable-button	japoński przycisk „dozwolone”	akceptacja	chiński	ideogram
japanese-application-button	japoński przycisk „wniosek”	ideogram	japoński	zastosowanie
japanese-bargain-button	japoński przycisk „okazja”	ideogram	japoński	korzyść	przewaga
japanese-castle	japoński zamek	budynek	japoński	zamek
japanese-congratulations-button	japoński przycisk „gratulacje”	gratulacje	ideogram	japoński
japanese-discount-button	japoński przycisk „rabat”	ideogram	japoński	podział
japanese-dolls	japońskie lalki	lalki
japanese-free-of-charge-button	japoński przycisk „bezpłatne”	ideogram	japoński	negacja
japanese-here-button	japoński przycisk „tutaj”	ideogram	japoński	koko
japanese-monthly-amount-button	ideogram księżyca	ideogram	japoński	księżyc
japanese-no-vacancy-button	japoński przycisk „brak wolnych miejsc”	ideogram	japoński	wypełnienie
japanese-not-free-of-charge-button	japoński przycisk „płatne”	ideogram	istnienie	japoński
japanese-open-for-business-button	japoński przycisk „czynne”	działa	ideogram	japoński
japanese-passing-grade-button	japoński przycisk „ocena pozytywna”	ideogram	japoński	razem
japanese-post-office	japońska poczta	budynek	poczta
japanese-prohibited-button	japoński przycisk „zabronione”	ideogram	japoński	zakaz
japanese-reserved-button	japoński przycisk „zarezerwowane”	ideogram	japoński	palec
japanese-secret-button	japoński przycisk „tajemnica”	ideogram	japoński	tajemnica
japanese-service-charge-button	japoński przycisk „usługa”	ideogram	japoński	opłata serwisowa	opłata za usługę	sa	sa w katakanie	usługa	zapłata za usługę
japanese-symbol-for-beginner	japoński symbol początkującego kierowcy	niebieski	początkujący	szewron	w dół	żółty
japanese-vacancy-button	japoński przycisk „wolne miejsce”	ideogram	japoński	pusty
jar	słoik	pojemnik	przechowywanie	przyprawa	pusty	sos	słój	zapas
jeans	dżinsy	jeansy	portki	ubiór	ubranie
jellyfish	meduza	ał	bezkręgowiec	galareta	morski	parzyć
joker	dżoker	joker	karta	karta do gry
joystick	dżojstik	gra	gra komputerowa	gra wideo	joystick
judge	sędzia	orzekać
kaaba	kaaba	islam	muzułmanin	religia
kangaroo	kangur	australia	skoczny	torbacz
key	klucz	hasło	zamek	zamknąć
keyboard	klawiatura	komputer	pisać
keycap-0	klawisz: 0	klawisz
keycap-1	klawisz: 1	klawisz
keycap-10	klawisz: 10	klawisz
keycap-2	klawisz: 2	klawisz
keycap-3	klawisz: 3	klawisz
keycap-4	klawisz: 4	klawisz
keycap-5	klawisz: 5	klawisz
keycap-6	klawisz: 6	klawisz
keycap-7	klawisz: 7	klawisz
keycap-8	klawisz: 8	klawisz
keycap-9	klawisz: 9	klawisz
keycap-asterisk	klawisz: *	klawisz
keycap-number-sign	klawisz: #	klawisz
khanda	khanda	religia	sikh
kick-scooter	hulajnoga	pojazd
kimono	kimono	ubiór	ubranie
kiss	pocałunek	miłość	para	zakochani
kiss-man-man	pocałunek: mężczyzna i mężczyzna	miłość	mężczyzna	para	pocałunek	zakochani
kiss-mark	ślad po pocałunku	odcisk ust	pocałunek	usta
kiss-woman-man	pocałunek: kobieta i mężczyzna	kobieta	miłość	mężczyzna	para	pocałunek	zakochani
kiss-woman-woman	pocałunek: kobieta i kobieta	kobieta	miłość	para	pocałunek	zakochani
kissing-cat	kot przesyłający całusa	całuję	całuski	kot	rumieniec
kissing-face	całująca twarz	całus	ślę całusa
kissing-face-with-closed-eyes	całująca twarz z zamkniętymi oczami	całus	ślę całusa
kissing-face-with-smiling-eyes	całująca twarz o roześmianych oczach	całus	ślę całusa
kitchen-knife	nóż kuchenny	broń	gotowanie	narzędzie	nóż
kite	latawiec	latanie	puszczanie
kiwi-fruit	owoc kiwi	jedzenie	kiwi	owoc
knot	węzeł	lina	sznur	sznurek	wiązać
koala	koala	miś
lab-coat	biały fartuch	eksperyment	kitel	lekarz	naukowiec
label	przywieszka do kluczy	breloczek	etykieta
lacrosse	lacrosse	bramka	kij	piłka
ladder	drabina	szczebel	wspinać się
lady-beetle	biedronka	chrabąszcz	kropki	owad	żuk
laptop	laptop	komputer	notebook	osobisty	wyświetlacz
large-blue-diamond	duży niebieski romb	duży	figura geometryczna	kształt	niebieski	romb
large-orange-diamond	duży pomarańczowy romb	duży	figura geometryczna	kształt	pomarańczowy	romb
last-quarter-moon	ostatnia kwadra księżyca	księżyc	kwadra
last-quarter-moon-face	ostatnia kwadra księżyca z twarzą	księżyc z twarzą	ostatnia kwadra	ostatnia kwadra księżyca
last-track-button	poprzedni utwór	poprzedni	strzałka	trójkąt
latin-cross	krzyż łaciński	chrześcijaństwo	krzyż	krzyżyk	religia
leaf-fluttering-in-wind	liście na wietrze	podmuch	roślina	trzepotanie	wiatr	wicher
leafy-green	zielenina liściasta	bok choy	jarmuż	kapusta	kapusta pekińska	sałata
ledger	skoroszyt	notatnik	zeszyt	żółty
left-arrow	strzałka w lewo	kierunek	strzałka	zachód
left-arrow-curving-right	strzałka zakręcona w prawo	strzałka	zakręt	zawróć
left-facing-fist	pięść skierowana w lewo	cios	pięść	uderzenie z prawej
left-luggage	przechowalnia bagażu	kluczyk	pozostawiony bagaż	walizka	zamknięcie
left-right-arrow	strzałka w lewo i w prawo	dwukierunkowa	lewo-prawo	na boki
left-speech-bubble	lewostronny dymek	dialog	dymek	rozmowa
leftwards-hand	dłoń skierowana w lewo	dłoń	lewa	w lewo
leftwards-pushing-hand	dłoń pchająca w lewo	czekać	odmawiać	pchać	piątka	stop	w lewo
leg	noga	kopniak	kończyna
lemon	cytryna	cytrus	kwaśny	owoc	żółty
leo	Lew	znak zodiaku	zodiak
leopard	lampart
level-slider	suwak miksera dźwięku	muzyka	poziom	suwak
libra	Waga	znak zodiaku	zodiak
light-blue-heart	jasnoniebieskie serce	jasnoniebieskie	serce	turkusowe	zielononiebieskie
light-bulb	żarówka	pomysł	światło
light-rail	kolej miejska	kolej	kolejka	pociąg	podmiejski
link	ogniwa	hiperłącze	link	ogniwo	połączenie
linked-paperclips	złączone spinacze	druciane	spinacze	spinać
lion	głowa lwa	buźka	grzywa	lew	pysk
lipstick	szminka	kosmetyki	makijaż	malować usta
litter-in-bin-sign	znak kosza na śmieci	kosz	nie śmiecić	śmieci	śmiecić
lizard	jaszczurka	gad
llama	lama	alpaka	gwanako	wełna	wikunia
lobster	homar	owoce morza	szczypce
locked	zamknięta kłódka	kłódka	zablokowane	zamknięte
locked-with-key	zamknięta kłódka z kluczem	blokada	kluczyk	kłódka	zamknięcie
locked-with-pen	zamknięta kłódka z piórem	atrament	niejawne	pióro	podpis	prywatność
locomotive	lokomotywa	ciuchcia	kolej	pociąg	stara lokomotywa
lollipop	lizak	deser	słodki	słodycze
long-drum	konga	bęben	rytm
lotion-bottle	butelka z płynem	balsam	krem do opalania	mleczko	szampon
lotus	lotos	buddyzm	czystość	hinduizm	indie	kwiat	lotosu	wietnam
loudly-crying-face	głośno płacząca twarz	zapłakana buźka
loudspeaker	głośnik	głośno	komunikaty publiczne
love-hotel	hotel miłości	hotel	japoński hotel miłości
love-letter	list miłosny	list	liścik	miłość	serce	wiadomość
love-you-gesture	gest Kocham cię	kocham	ręka
low-battery	słaba bateria	elektronika	niski poziom energii
luggage	bagaż	pakowanie	podróż	walizka
lungs	płuca	narząd	oddech	oddychanie	organ	wdech	wydech
lying-face	twarz kłamcy	długi nos	kłamać	pinokio
mage	mag	czarnoksiężnik	czarodziej
magic-wand	czarodziejska różdżka	czarodziej	czarodziejka	czary	magia	magik
magnet	magnes	magnetyzm	podkowa	przyciąganie
magnifying-glass-tilted-left	lupa pochylona w lewo	lupa	skierowana w lewo	szukaj
magnifying-glass-tilted-right	lupa pochylona w prawo	lupa	skierowana w prawo	szukaj
mahjong-red-dragon	madżong: czerwony smok	czerwony smok	kafelek	mahjong	smok
male-sign	znak mężczyzny	męski	mężczyzna	znak
mammoth	mamut	kieł	ogromny	wymarły	włochaty
man	mężczyzna
man-artist	mężczyzna artysta	artysta	mężczyzna	paleta
man-astronaut	mężczyzna astronauta	astronauta	kosmos	mężczyzna	rakieta
man-bald	mężczyzna: łysy	mężczyzna	łysy
man-beard	mężczyzna z brodą	broda	mężczyzna
man-biking	mężczyzna na rowerze	jazda	mężczyzna	rower
man-blond-hair	blondyn	mężczyzna
man-bouncing-ball	mężczyzna kozłujący piłkę	kozłowanie	mężczyzna	piłka
man-bowing	mężczyzna w ukłonie	gest	mężczyzna	przepraszam	ukłon
man-cartwheeling	mężczyzna robiący gwiazdę	gimnastyka	gwiazda	mężczyzna	sport
man-climbing	mężczyzna wspinający się	wspinacz
man-construction-worker	mężczyzna budowlaniec	budowlaniec	mężczyzna	robotnik
man-cook	mężczyzna kucharz	kucharz	mężczyzna	szef kuchni
man-curly-hair	mężczyzna: kręcone włosy	kręcone włosy	mężczyzna
man-dancing	tańczący mężczyzna	taniec	tańczyć
man-detective	mężczyzna detektyw	detektyw	mężczyzna	szpieg
man-elf	mężczyzna elf	magiczny
man-facepalming	mężczyzna trzymający się za czoło	brak słów	facepalm	mężczyzna	niedowierzanie	załamka
man-factory-worker	mężczyzna pracownik fabryki	fabryka	montażysta	mężczyzna	pracownik	pracownik fabryki
man-fairy	mężczyzna wróżka	oberon	puk
man-farmer	mężczyzna rolnik	farmer	mężczyzna	ogrodnik	rolnik
man-feeding-baby	mężczyzna karmiący niemowlę	karmienie	mężczyzna	niemowlę
man-firefighter	mężczyzna strażak	mężczyzna	strażak	wóz strażacki
man-frowning	zachmurzony mężczyzna	mężczyzna	zmarszczone brwi
man-genie	mężczyzna dżin	dżin
man-gesturing-no	mężczyzna pokazujący gest NIE	mężczyzna	nie	ręce	zakaz
man-gesturing-ok	mężczyzna pokazujący „ojej!”	mężczyzna	ojej	ręce	zachwyt
man-getting-haircut	mężczyzna podczas strzyżenia	fryzura	mężczyzna	strzyżenie
man-getting-massage	mężczyzna podczas masażu	głowa	masaż	mężczyzna	twarz
man-golfing	mężczyzna grający w golfa	golf	mężczyzna
man-guard	mężczyzna gwardzista	gwardzista	mężczyzna	strażnik
man-health-worker	lekarz	mężczyzna	terapeuta
man-in-lotus-position	mężczyzna w pozycji lotosu	joga	medytacja
man-in-manual-wheelchair	mężczyzna na wózku inwalidzkim	dostępność	mężczyzna	wózek inwalidzki
man-in-motorized-wheelchair	mężczyzna na elektrycznym wózku inwalidzkim	dostępność	mężczyzna	wózek inwalidzki
man-in-steamy-room	mężczyzna w zaparowanym pomieszczeniu	sauna	zaparowane pomieszczenie
man-in-tuxedo	mężczyzna w smokingu	mężczyzna	smoking
man-judge	mężczyzna sędzia	mężczyzna	sędzia
man-juggling	żonglujący mężczyzna	mężczyzna	żonglerka	żonglowanie
man-kneeling	klęczący mężczyzna	klęczeć	mężczyzna
man-lifting-weights	mężczyzna podnoszący ciężary	ciężar	ciężarowiec	mężczyzna
man-mage	mężczyzna mag	czarnoksiężnik	czarodziej
man-mechanic	mężczyzna elektryk	elektryk	hydraulik	mechanik	mężczyzna
man-mountain-biking	mężczyzna na rowerze górskim	jazda	mężczyzna	rower górski
man-office-worker	mężczyzna pracownik biurowy	architekt	biuro	biznesmen	mężczyzna	pracownik biurowy
man-pilot	mężczyzna pilot	mężczyzna	pilot	samolot
man-playing-handball	mężczyzna grający w piłkę ręczną	mężczyzna	piłka ręczna	sport
man-playing-water-polo	mężczyzna grający w piłkę wodną	mężczyzna	piłka	piłka wodna	sport
man-police-officer	mężczyzna policjant	glina	mężczyzna	oficer	policjant
man-pouting	nadąsany mężczyzna	mężczyzna	nadąsany	niezadowolony
man-raising-hand	mężczyzna podnoszący rękę	gest	hej	mężczyzna	powitanie
man-red-hair	mężczyzna: rude włosy	mężczyzna	rude włosy
man-rowing-boat	mężczyzna wiosłujący w łodzi	mężczyzna	wiosłowanie	łódka
man-running	biegnący mężczyzna	bieg	bieganie	maraton	mężczyzna
man-scientist	mężczyzna naukowiec	biolog	chemik	inżynier	mężczyzna
man-shrugging	mężczyzna wzruszający ramionami	mężczyzna	obojętność	wzruszenie ramion	wątpliwość
man-singer	mężczyzna piosenkarz	aktor	mężczyzna	piosenkarz	rock
man-standing	stojący mężczyzna	mężczyzna	stać
man-student	mężczyzna student	mężczyzna	student
man-superhero	mężczyzna superbohater	bohater	mężczyzna	pozytywny	supermoc
man-supervillain	mężczyzna superłotr	czarny bohater	mężczyzna	przestępca	supermoc	złoczyńca
man-surfing	surfujący mężczyzna	deska	mężczyzna	surfing
man-swimming	pływający mężczyzna	kraul	mężczyzna	pływanie
man-teacher	mężczyzna nauczyciel	mężczyzna	nauczyciel	profesor	wykładowca
man-technologist	mężczyzna technolog	mężczyzna	oprogramowanie	programista	wynalazca
man-tipping-hand	mężczyzna z wystawioną dłonią	mężczyzna	otwarta dłoń
man-vampire	mężczyzna wampir	drakula	nieumarły
man-walking	idący mężczyzna	chodzenie	mężczyzna	piechur	spacer
man-wearing-turban	mężczyzna w turbanie	mężczyzna	turban
man-white-hair	mężczyzna: białe włosy	białe włosy	mężczyzna
man-with-veil	mężczyzna w welonie	mężczyzna	welon
man-with-white-cane	mężczyzna z białą laską	dostępność	mężczyzna	niewidomy
man-zombie	mężczyzna zombie	chodzące trupy	nieumarli
mango	mango	owoc	tropikalny
mans-shoe	but męski	but	męski
mantelpiece-clock	zegar kominkowy	czasomierz	zegar
manual-wheelchair	wózek inwalidzki ręczny	dostępność
map-of-japan	mapa Japonii	japonia	mapa
maple-leaf	liść klonowy	liść	liść jesienny	liść klonu
maracas	marakasy	grzechotać	instrument	muzyka	perkusja	potrząsać
martial-arts-uniform	strój do sztuk walki	judo	karate	sport	sztuki walki	taekwondo
mate	yerba mate	napój
meat-on-bone	mięso z kością	kość	mięso
mechanic	mechanik	elektryk	hydraulik
mechanical-arm	mechaniczne ramię	dostępność	proteza
mechanical-leg	proteza nogi	dostępność	proteza
medical-symbol	symbol medycyny	eskulap	laska	medycyna
megaphone	megafon	kibicować
melon	melon	owoc
melting-face	roztapiająca się twarz	płynna twarz	rozpuszczająca się twarz	znikająca twarz
memo	notatka	kartka	ołówek	papier	zapiski
men-holding-hands	dwóch mężczyzn trzymających się za ręce	miłość	para	za ręce	zakochani
men-with-bunny-ears	mężczyźni z uszami królika na przyjęciu	impreza	królicze uszy	mężczyźni	tancerze
men-wrestling	mężczyźni uprawiający zapasy	mężczyźni	sport	zapasy	zapaśnicy
mending-heart	uleczone serce	dobrze	lepiej	lepsze samopoczucie	zdrowsze
menorah	menora	kandelabr	religia	świecznik
mens-room	toaleta męska	męski	szalet	toaleta	ubikacja	ustęp
mermaid	kobieta syrena	syrena
merman	mężczyzna syrena	tryton
merperson	syrena
metro	metro	kolejka	pociąg	tunel
microbe	zarazek	ameba	bakteria	drobnoustrój	mikrob	wirus
microphone	mikrofon	karaoke	muzyka
microscope	mikroskop	obserwacja	powiększenie
middle-finger	środkowy palec	gest	wulgarny gest
military-helmet	hełm wojskowy	armia	hełm	wojownik	wojsko	żołnierz
military-medal	order wojskowy	medal	uroczystość	wojsko
milky-way	Droga Mleczna	gwiazdy	niebo	noc
minibus	minibus	busik
minus	znak minus	-	matematyka	odejmowanie	znak	−
mirror	lustro	odbicie	zwierciadło
mirror-ball	kula dyskotekowa	dyskoteka	migotanie	przyjęcie	taniec
moai	moai	posąg	twarz	wyspa wielkanocna
mobile-phone	telefon komórkowy	komóra	komórka	smartfon	telefon
mobile-phone-off	wyłączony telefon komórkowy	komórka	telefon komórkowy	wyłącz	wyłączony
mobile-phone-with-arrow	telefon komórkowy ze strzałką	dzwonić	komórka	odebrać	smartfon	strzałka	telefon
money-bag	worek z pieniędzmi	dolary	pieniądze	worek
money-mouth-face	twarz z pieniędzmi na ustach	hajs	kasa	pieniądze	twarz
money-with-wings	uskrzydlone pieniądze	bank	banknot	pieniądze	rachunek	skrzydła	waluta
monkey	małpa	zwierzątko
monkey-face	głowa małpy	buźka	małpka
monorail	kolej jednoszynowa	kolej	pojazd	szynowy
moon-cake	ciasteczko księżycowe	jesień	yuèbǐng	święto
moon-viewing-ceremony	ceremonia oglądania księżyca	księżyc	podziwiać	tsukimi
moose	łoś	poroże	ssak	zwierzę
mosque	meczet	islam	muzułmanin	religia
mosquito	komar	choroba	gorączka	malaria	owad	wirus
motor-boat	motorówka	pojazd	łódź motorowa
motor-scooter	skuter	motor	pojazd
motorcycle	motocykl	wyścigi
motorized-wheelchair	wózek inwalidzki elektryczny	dostępność
motorway	autostrada	droga	szybkiego ruchu
mount-fuji	góra Fudżi	fudżi	fuji	góra
mountain	góra
mountain-cableway	górska kolej linowa	gondola	gondolowa	górska	linowa
mountain-railway	kolej górska	górski	kolej	pojazd	wagon
mouse	mysz	myszka
mouse-face	głowa myszy	buźka	mysz	myszka
mouse-trap	pułapka na myszy	przynęta	pułapka	sidła
mouth	usta	ciało	wargi
movie-camera	kamera filmowa	film	kamera	kinematografia	kino
mrs-claus	żona św. Mikołaja	mikołaj	mikołajowa	święta
multiply	znak mnożenia	anuluj	iks	mnożenie	x	znak	×
mushroom	grzyb	muchomor	trujący
musical-keyboard	klawisze	fortepian	instrument	keyboard	klawiatura	muzyka	pianino
musical-note	nuta	muzyka
musical-notes	nuty	muzyka	nuta
musical-score	partytura	klucz	muzyka	nuty	pięciolinia
muted-speaker	wyciszony głośnik	cicho	cisza	głośnik	głośność	wyciszyć
mx-claus	Mikołajka	boże narodzenie	mikołaj	święta
nail-polish	lakier do paznokci	ciało	kosmetyki	lakierować paznokcie	manicure	pielęgnacja
name-badge	plakietka	z imieniem
national-park	park narodowy	natura	park	przyroda
nauseated-face	twarz z mdłościami	mdłości	wymiotować
nazar-amulet	amulet nazar	błękitne oko	koralik	nazar	oko proroka	talizman
necktie	krawat	koszula	męski	ozdoba
nerd-face	kujon	buźka w okularach	inteligent
nest-with-eggs	gniazdo z jajkami	gniazdowanie	gnieżdżenie
nesting-dolls	matrioszki	laleczka	lalka	matrioszka	rosyjska
neutral-face	neutralna twarz	hm	nic	nie mam zdania
new-button	przycisk NEW	new	nowość	nowy
new-moon	nów	ciemny księżyc
new-moon-face	nów z twarzą	księżyc	księżyc w nowiu
newspaper	gazeta	wiadomości
next-track-button	następny utwór	następny	strzałka	trójkąt
ng-button	przycisk NG	ng	niedobrze	źle
night-with-stars	noc z gwiazdami	gwiazdy	rozgwieżdżone niebo
nine-oclock	godzina 9:00	00	9	9:00	dwudziesta pierwsza	dziewiąta	godzina
nine-thirty	godzina 9:30	30	9	9:30	dwudziesta pierwsza trzydzieści	dziewiąta trzydzieści	godzina
ninja	ninja	niewidoczny	skradać się	ukryty	wojownik
no-bicycles	zakaz wjazdu rowerów	nie wolno	pojazd	rower	zabroniony	zakaz
no-entry	zakaz wjazdu	wejście	wstęp	zabroniony	zakaz
no-littering	zakaz śmiecenia	nie wolno	nie wyrzucać	zabronione	zakaz	śmieci
no-mobile-phones	zakaz korzystania z telefonów komórkowych	komórka	nie wnosić	nie wolno	telefon komórkowy	zabroniony	zakaz
no-one-under-eighteen	zakaz poniżej osiemnastego roku życia	18	niedozwolone poniżej osiemnastego roku życia	od lat osiemnastu	ograniczenie wiekowe	zakaz
no-pedestrians	zakaz ruchu pieszych	nie wolno	pieszy	przejście wzbronione	zabronione	zakaz
no-smoking	zakaz palenia	nie wolno	palenie wzbronione	papieros	zabronione	zakaz
non-potable-water	woda niezdatna do picia	nie pić	nie wolno	niezdatna	woda	zabronione	zakaz
nose	nos	ciało
notebook	notes	notatnik	szary	zeszyt
notebook-with-decorative-cover	notes z dekoracyjną okładką	książka	notatnik	notes	okładka	ozdobna
nut-and-bolt	śruba i nakrętka	gwint	mocowanie	nakrętka	śruba
o-button-blood-type	grupa krwi 0	0	grupa 0	krew
octopus	ośmiornica
oden	oden	owoce morza	owoce morza na patyku
office-building	biurowiec	blok
office-worker	pracownik biurowy	architekt	biznesmen	menedżer	praca biurowa
ogre	ogr	maska	potwór
oil-drum	beczka oleju	beczka	olej
ok-button	przycisk OK	dobrze	w porządku	zgoda
ok-hand	dłoń z gestem OK	znak ok
old-key	staroświecki klucz	klucz	kłódka	stary	zamek	zamknąć
old-man	starszy mężczyzna	staruszek	starzec
old-woman	starsza kobieta	kobieta	staruszka
older-person	starszy dorosły	płeć neutralna	stary
olive	oliwka	jedzenie	oliwki
om	om	hinduizm	religia
on-arrow	strzałka z napisem ON!	strzałka	włączone
oncoming-automobile	nadjeżdżający samochód	auto	nadjeżdżające auto	nadjeżdżający pojazd	pojazd	samochód
oncoming-bus	nadjeżdżający autobus	autobus	nadjeżdżać	przód
oncoming-fist	pięść od przodu	cios pięścią	pięść	prawy prosty	sierpowy	zaciśnięta pięść
oncoming-police-car	nadjeżdżający radiowóz	patrol	policja	samochód policyjny
oncoming-taxi	nadjeżdżająca taksówka	nadjeżdżać	taksówka	taxi
one-oclock	godzina 1:00	00	1	1:00	godzina	pierwsza	trzynasta
one-piece-swimsuit	strój kąpielowy jednoczęściowy	kostium do kąpieli
one-thirty	godzina 1:30	1	1:30	30	godzina	pierwsza trzydzieści	trzynasta trzydzieści
onion	cebula	aromatyczna
open-book	otwarta książka	książka	otwarta
open-file-folder	otwarty folder	folder	katalog	otwarty
open-hands	otwarte dłonie	puste ręce	złapać
open-mailbox-with-lowered-flag	otwarta skrzynka pocztowa z opuszczoną flagą	otwarta skrzynka pocztowa
open-mailbox-with-raised-flag	otwarta skrzynka pocztowa z podniesioną flagą	otwarta skrzynka pocztowa
ophiuchus	Wężownik	znak zodiaku	zodiak
optical-disk	dysk optyczny	blu-ray	cd	dvd	dysk
orange-book	pomarańczowa książka	książka	pomarańczowa
orange-circle	pomarańczowe koło	koło	kółko	pomarańczowe
orange-heart	pomarańczowe serce	pomarańczowe
orange-square	pomarańczowy kwadrat	kwadrat	kwadratowy	pomarańczowy
orangutan	orangutan	małpa człekokształtna
orthodox-cross	krzyż prawosławny	chrześcijaństwo	krzyż	krzyż ortodoksyjny	krzyżyk	religia
otter	wydra	bystre	łapanie ryb
outbox-tray	skrzynka nadawcza	list	mail	na listy	nadawać	nadawcza	pocztowa	skrzynka	wysyłać
owl	sowa	mądrość	ptak
ox	wół	byk	zodiak
oyster	ostryga	małże	nurkowanie	perły
p-button	parking	postój
package	paczka	pakunek	przesyłka	pudełko
page-facing-up	strona	kartka	maszynopis	pismo
page-with-curl	zawinięta strona	kartka	maszynopis	strona
pager	pager
paintbrush	pędzel	malarstwo	malować
palm-down-hand	dłoń skierowana w dół	odrzucenie	sio	upuszczenie
palm-tree	palma	drzewo
palm-up-hand	dłoń skierowana w górę	propozycja	przywołanie	skinienie	łapanie
palms-up-together	dłonie do góry razem	modlitwa
pancakes	naleśniki	jedzenie	placki
panda	głowa pandy	miś
paperclip	spinacz	druciany	spinać
parachute	spadochron	lotnia	lotniarstwo za łodzią motorową	spadochroniarstwo
parrot	papuga	gadająca	pirat	ptak
part-alternation-mark	początek partii wokalnej	znak	zygzak
party-popper	tuba z konfetti	bal	impreza	konfetti	uroczystość	gratulacje
partying-face	świętująca twarz	czapeczka	piszczałka	przyjęcie	trąbka	świętowanie	świętująca buźka
passenger-ship	statek pasażerski	okręt	pasażerski	pojazd	statek
passport-control	kontrola paszportowa	granica	graniczna	kontrola	paszport
pause-button	pauza	dwie	pionowe kreski	wstrzymaj
paw-prints	ślady łap	odciski	tropy	łapy	ślady
pea-pod	strąk grochu	edamam	edamame	fasola	groch	strąk	warzywo	łuskać
peace-symbol	symbol pokoju	pacyfa
peach	brzoskwinia	owoc
peacock	paw	dumny	ptak
peanuts	orzeszki ziemne	fistaszki	jedzenie	orzeszki
pear	gruszka	owoc
pen	długopis	pióro
pencil	ołówek	pisak
penguin	pingwin
pensive-face	zamyślona twarz	zamyślona buźka
people-holding-hands	osoby trzymające się za ręce	para	za ręce
people-hugging	obejmujące się osoby	cześć	do widzenia	dzięki	uścisk
people-with-bunny-ears	osoby z uszami królika na przyjęciu	dziewczyny	kobiety	króliczki	tancerki	uszy
people-wrestling	osoby uprawiające zapasy	sport	zapasy	zapaśnik
performing-arts	maski teatralne	teatr	występować
persevering-face	uparta twarz	napięcie	zacięta twarz
person	dorosły	płeć neutralna
person-bald	dorosły: łysy	dorosły	płeć neutralna	łysy
person-beard	osoba z brodą	broda	osoba
person-biking	osoba na rowerze	kolarz	peleton	rower
person-blond-hair	osoba z włosami blond	blond	włosy
person-bouncing-ball	osoba kozłująca piłkę	kozłować	piłka
person-bowing	osoba w ukłonie	opuszczona głowa	przepraszam	przykro mi
person-cartwheeling	osoba robiąca gwiazdę	gimnastyka	gwiazda	sport
person-climbing	osoba wspinająca się	wspinacz
person-curly-hair	dorosły: kręcone włosy	dorosły	kręcone włosy	płeć neutralna
person-facepalming	osoba trzymająca się za czoło	fejspalm	niedowierzanie	załamanie
person-feeding-baby	osoba karmiąca niemowlę	karmienie	karmienie piersią	niemowlę	osoba
person-fencing	osoba uprawiająca szermierkę	sport	szermierka	szermierz	szpada
person-frowning	zachmurzona osoba	smutek na twarzy	smutny
person-gesturing-no	osoba pokazująca gest NIE	nie wolno	zakaz
person-gesturing-ok	osoba pokazująca gest OK	ok	ręce
person-getting-haircut	osoba podczas strzyżenia	cięcie włosów	fryzjerka	fryzura
person-getting-massage	osoba podczas masażu	kosmetyczka	masaż	salon masażu
person-golfing	osoba grająca w golfa	golf	piłka
person-in-bed	osoba w łóżku	hotel	nocleg	sen
person-in-lotus-position	osoba w pozycji lotosu	joga	medytacja
person-in-manual-wheelchair	osoba na wózku inwalidzkim	dostępność	wózek inwalidzki
person-in-motorized-wheelchair	osoba na elektrycznym wózku inwalidzkim	dostępność	wózek inwalidzki
person-in-steamy-room	osoba w zaparowanym pomieszczeniu	sauna	zaparowane pomieszczenie
person-in-suit-levitating	lewitujący mężczyzna w garniturze	biznesmen	garnitur	lewitacja	lewitować	mężczyzna
person-in-tuxedo	osoba w smokingu	elegancja	osoba	smoking
person-juggling	żonglująca osoba	cyrk	spryt	żonglerka	żonglerz
person-kneeling	klęcząca osoba	klęczeć	na kolanach
person-lifting-weights	osoba podnosząca ciężary	atleta
person-mountain-biking	osoba na rowerze górskim	górski	rower	rowerzysta
person-playing-handball	osoba grająca w piłkę ręczną	gra	piłka	sport
person-playing-water-polo	osoba grająca w piłkę wodną	gra	piłka	sport	woda
person-pouting	nadąsana osoba	buźka	kapryśna	mina	niezadowolona
person-raising-hand	osoba podnosząca rękę	ręka do góry	witaj!
person-red-hair	dorosły: rude włosy	dorosły	płeć neutralna	rude włosy
person-rowing-boat	osoba wiosłująca w łodzi	pojazd	łódka
person-running	biegnąca osoba	bieg	bieganie	maraton	pośpiech
person-shrugging	osoba wzruszająca ramionami	niewiedza	obojętność	wątpliwość
person-standing	stojąca osoba	stać	stoi
person-surfing	surfująca osoba	deska	fale	surfing
person-swimming	pływająca osoba	kraulem	pływak
person-taking-bath	osoba biorąca kąpiel	kąpiel	wanna
person-tipping-hand	osoba z wystawioną dłonią	pomoc	pomocna dłoń	pomogę	życzliwy
person-walking	idąca osoba	iść	na piechotę	piechur	pieszo	spacer
person-wearing-turban	osoba w turbanie	mężczyzna	turban
person-white-hair	dorosły: białe włosy	białe włosy	dorosły	płeć neutralna
person-with-crown	osoba w koronie	król	królewski	monarcha	szlachta
person-with-skullcap	mężczyzna w chińskiej czapce	chińska czapka	czapka	gua pi mao
person-with-veil	osoba w welonie	osoba	panna młoda	welon	wesele	ślub
person-with-white-cane	osoba z białą laską	dostępność	niewidoma	niewidomy
petri-dish	płytka Petriego	bakteria	biolog	biologia	kultura	laboratorium
pick	kilof	górnicze	narzędzie
pickup-truck	pick-up	furgonetka	pikap	półciężarówka
pie	ciasto
pig	świnia	maciora
pig-face	głowa świni	buźka	świnia	świnka
pig-nose	ryj świni	nosek	ryjek	świński ryjek
pile-of-poo	kupa	gnój	obornik	odchody	potwór	twarz
pill	kapsułka	lekarstwo	tabletka
pilot	pilot	pilotować	samolot
pinata	piniata	impreza	świętowanie
pinched-fingers	złączone palce	gest	palce	przesłuchanie	sarkazm
pinching-hand	dłoń z gestem „trochę”	mała ilość
pine-decoration	japońska dekoracja kadomatsu	bambus	roślina	sosna
pineapple	ananas	egzotyczny	owoc
ping-pong	tenis stołowy	ping pong	piłeczka	rakietka	siatka
pink-heart	różowe serce	lubić	miłość	różowe	serce	urocze
pirate-flag	piracka flaga	czaszka i kości	jolly roger	piraci	pirat	skarb
pisces	Ryby	znak zodiaku	zodiak
pizza	pizza	kawałek pizzy
placard	tabliczka	demonstracja	pikieta	protest	transparent	znak
place-of-worship	miejsce kultu	kościół	kult	modlitwa	religia	świątynia
play-button	odtwórz	strzałka	trójkąt	w prawo
play-or-pause-button	odtwórz lub wstrzymaj	odtwórz	pauza	strzałka	trójkąt	w prawo	wstrzymaj
playground-slide	zjeżdżalnia	park rozrywki	wesołe miasteczko	zabawa
pleading-face	błagająca twarz	błaganie	litość	słodkie oczy
plunger	przepychacz	hydraulik	odetkać	przepychać	toaleta
plus	znak plus	+	dodawanie	dodawać	dodać	matematyka	plus	znak
polar-bear	niedźwiedź polarny	arktyczny	biały	miś	miś polarny	niedźwiedź
police-car	samochód policyjny	patrol	policja
police-car-light	kogut policyjny	lampa obrotowa	policyjny	sygnalizator świetlny
police-officer	policjant	oficer
poodle	pudel	ostrzyżony	pies	piesek	pudelek
pool-8-ball	bila 8	8	bila	kula
popcorn	popcorn
post-office	urząd pocztowy	budynek
postal-horn	trąbka pocztowa	poczta	pocztowa	róg	trąbka
postbox	skrzynka na listy	na listy	skrzynka pocztowa
pot-of-food	garnek z jedzeniem	jedzenie	potrawka
potable-water	woda pitna	kran	pitna	pić	woda
potato	ziemniak	jedzenie	kartofel	warzywo
potted-plant	roślina doniczkowa	dom	kwiat doniczkowy	podlewać	roślina
poultry-leg	udko kurczaka	nóżka
pound-banknote	banknot funta	bank	banknot	pieniądze	rachunek	waluta
pouring-liquid	nalewanie płynu	napój	pusty	rozlanie	szklanka
pouting-cat	nadąsany kot	grymas	kot	obrażony
prayer-beads	sznur modlitewny	korale	koraliki	modlitwa	naszyjnik	religia	różaniec
pregnant-man	mężczyzna w ciąży	brzuch	pełny	w ciąży	wzdęty
pregnant-person	osoba w ciąży	brzuch	pełny	w ciąży	wzdęty
pregnant-woman	kobieta w ciąży	ciąża
pretzel	precel
prince	książę
princess	księżniczka	bajka	baśń	królewna
printer	drukarka	komputer
prohibited	zakaz	brak przejścia	wejście	zabronione
purple-circle	fioletowe koło	fioletowe	koło	kółko
purple-heart	purpurowe serce	fioletowe	serce
purple-square	fioletowy kwadrat	fioletowy	kwadrat	kwadratowy
purse	portmonetka	na monety	torebka
pushpin	pinezka	przypiąć
puzzle-piece	element układanki	element	puzzle	łamigłówka	łączenie
rabbit	królik	zając
rabbit-face	głowa królika	królik	zając
raccoon	szop	ciekawski	szop pracz
racing-car	samochód wyścigowy	samochód	wyścigi
radio	radio	odbiornik radiowy	radioodbiornik	radyjko
radio-button	przycisk radiowy	figura geometryczna	kółko	przycisk wyboru opcji
radioactive	promieniowanie radioaktywne	promieniowanie	radiacja	radioaktywne
railway-car	wagon kolejowy	elektryczny	kolejowy	pociąg	pojazd	szynowy	tramwaj
railway-track	tor kolejowy	kolej	pociąg	tor	tory
rainbow	tęcza	deszcz	pogoda	słońce
rainbow-flag	tęczowa flaga	flaga	tęcza
raised-back-of-hand	wzniesiony grzbiet dłoni	powitanie	pozdrowienie	pożegnanie	uniesiona dłoń
raised-fist	wzniesiona pięść	pięść	uniesiona	zaciśnięta
raised-hand	wzniesiona dłoń	dłoń	stop	uwaga
raising-hands	wzniesione ręce	hura!	super
ram	biały baran	baranek	owca	rogaty	rogi
rat	szczur
razor	brzytwa	golenie	ostre narzędzie
receipt	paragon	dowód	księgowość	pokwitowanie
record-button	nagraj	kółko	nagrywanie
recycling-symbol	recykling	odpady	surowce wtórne
red-apple	czerwone jabłko	czerwone	owoc	słodkie
red-circle	czerwone koło	czerwone	figura geometryczna	koło	kółko
red-envelope	czerwona koperta	hóngbāo	lai see	pieniądze	prezent	szczęście
red-exclamation-mark	czerwony wykrzyknik	!	krzyk	okrzyk	wykrzyknik
red-heart	czerwone serce	czerwone	kocham	miłość	serce
red-paper-lantern	czerwony lampion	bar izakaya	izakaya
red-question-mark	czerwony znak zapytania	?	o co chodzi	pytajnik	pytanie	znak zapytania
red-square	czerwony kwadrat	czerwony	kwadrat	kwadratowy
red-triangle-pointed-down	czerwony trójkąt skierowany w dół	czerwony	figura geometryczna	na dół	trójkąt	w dół	wierzchołkiem
red-triangle-pointed-up	czerwony trójkąt skierowany w górę	czerwony	do góry	figura geometryczna	trójkąt	w górę	wierzchołkiem
registered	zarejestrowany znak towarowy	r	towarowy	zarejestrowany
relieved-face	twarz z wyrazem ulgi	odprężona buźka
reminder-ribbon	wstążka pamięci	upamiętnić	uroczystość	wstążka
repeat-button	przycisk powtarzania	dookoła	okrężny	ponów	powtórz	strzałki	w prawo
repeat-single-button	przycisk powtarzania jednokrotnego	dookoła	okrężny	ponów raz	powtórz raz	strzałki	w prawo
rescue-workers-helmet	kask z krzyżykiem	hełm	kask	krzyż	krzyżyk	pomoc
restroom	toalety	toaleta	ubikacja	łazienka
reverse-button	wstecz	strzałka	trójkąt	w lewo
revolving-hearts	wirujące serca	miłość	para	serca dwa	tańczące serca
rhinoceros	nosorożec	zwierzę
ribbon	wstążka	kokarda	kokardka	ozdoba	podarunek	prezent
rice-ball	kulka ryżowa	onigiri	ryż
rice-cracker	krakers ryżowy	krakers	ryż	ryżowy
right-anger-bubble	prawostronny dymek złości	dymek	zdenerwowany	złość
right-arrow	strzałka w prawo	kierunek	strzałka	wschód
right-arrow-curving-down	strzałka w prawo skręcająca w dół	strzałka	strzałka w prawo skręcająca dół	zakręt
right-arrow-curving-left	strzałka zakręcona w lewo	strzałka	zakręt	zawróć
right-arrow-curving-up	strzałka w prawo skręcająca w górę	strzałka	zakręt
right-facing-fist	pięść skierowana w prawo	cios	pięść	uderzenie z lewej
rightwards-hand	dłoń skierowana w prawo	dłoń	prawa	w prawo
rightwards-pushing-hand	dłoń pchająca w prawo	czekać	odmawiać	pchać	piątka	stop	w prawo
ring	pierścionek	diament	miłość	zaręczyny
ring-buoy	koło ratunkowe	bezpieczeństwo	pływak	ratunek
ringed-planet	planeta z pierścieniami	pierścienie	saturn
roasted-sweet-potato	pieczony batat	batat	słodki ziemniak
robot	głowa robota	monstrum	robot	twarz
rock	skała	ciężki	głaz	kamień
rocket	rakieta	kosmiczny	statek
roll-of-paper	rolka papieru	papier toaletowy	ręczniki papierowe
rolled-up-newspaper	zwinięta gazeta	gazeta	papier	rulon	zrolowana	zwinięta	zwitek
roller-coaster	kolejka górska	park rozrywki	wesołe miasteczko
roller-skate	wrotka	rolki	wrotkarstwo	wrotki
rolling-on-the-floor-laughing	tarza się ze śmiechu	kulać się	śmiech
rooster	kogut
rose	róża	kwiat	roślina
rosette	rozeta	kwiat	roślina
round-pushpin	okrągła pinezka	z główką
rugby-football	piłka do rugby	piłka	rugby
running-shirt	koszulka do biegania	bieganie	koszulka	szarfa	t-shirt
running-shoe	but do biegania	bieganie	but	sport	trampek
sad-but-relieved-face	smutna twarz z wyrazem ulgi	smutna ulga
safety-pin	agrafka	pielucha	punk	punk rock
safety-vest	kamizelka ratunkowa	kamizelka	ratowanie	sytuacja awaryjna
sagittarius	Strzelec	znak zodiaku	zodiak
sailboat	żaglówka	jacht	kurort	morze	pojazd	łódka
sake	sake	butelka i kubek
salt	sól	przyprawa	solniczka
saluting-face	salutująca twarz	ok	pogodna twarz	tak jest	wojsko
sandwich	kanapka
santa-claus	Święty Mikołaj	boże narodzenie	legenda	święta
sari	sari	odzież	suknia	ubranie
satellite	satelita	kosmos	statek kosmiczny
satellite-antenna	antena satelitarna	czasza	satelita	talerz
sauropod	zauropod
saxophone	saksofon	instrument	muzyka
scarf	szalik	szyja
school	szkoła	budynek
scientist	naukowiec	biolog	chemik	fizyk	inżynier
scissors	nożyczki	narzędzie	ostre	przeciąć
scorpio	Skorpion	znak zodiaku	zodiak
scorpion	brązowy skorpion	skorpion	zodiak
screwdriver	śrubokręt	narzędzie	wkręt	wkrętak	śruba
scroll	zwój	edykt	pergamin	pismo
seal	foka	lew morski
seat	fotel	krzesło
see-no-evil-monkey	małpa zasłaniająca oczy	gest	nie	nie widzieć	nie widzę	niedobre	zabronione	zakrywam oczy
seedling	sadzonka	pęd	roślinka
selfie	selfie	aparat	telefon	zdjęcie
service-dog	pies pomocnik	dostępność	opiekun	pies	pomoc
seven-oclock	godzina 7:00	00	7	7:00	dziewiętnasta	godzina	siódma
seven-thirty	godzina 7:30	30	7	7:30	dziewiętnasta trzydzieści	godzina	siódma trzydzieści
sewing-needle	igła krawiecka	haft	igła	igła z nitką	krawiectwo	szwy	szycie
shaking-face	wstrząśnięta twarz	szok	trzęsienie ziemi	twarz	wibracje	wstrząs
shallow-pan-of-food	danie z patelni	jedzenie	paella	patelnia	wok
shamrock	koniczyna	koniczynka	roślina
shark	rekin	ryba
shaved-ice	lody hawajskie	deser	lody	lody kulki
sheaf-of-rice	pędy ryżu	roślina	ryż
shield	tarcza	ochrona	osłona
shinto-shrine	świątynia shinto	japońska	religia	shinto	świątynia
ship	statek	okręt
shooting-star	spadająca gwiazda	gwiazda	kometa	spadająca	życzenie
shopping-bags	torby na zakupy	torby	torebki
shopping-cart	wózek sklepowy	koszyk	sklep	wózek	zakupy
shortcake	tort	ciasto	deser	słodycze
shorts	szorty	bermudy	bielizna	spodenki	strój do kąpieli
shower	prysznic	woda	łazienka
shrimp	krewetka	jedzenie	owoce morza
shuffle-tracks-button	przycisk losowego odtwarzania utworów	krzyżujące się	przecinające się	skrzyżowane	strzałki
shushing-face	uciszająca twarz	cicho	uciszać
sign-of-the-horns	gest rogów	rocker	rogi	znak rockersów
singer	piosenkarz	aktor	artysta	gwiazda	muzyka
six-oclock	godzina 6:00	00	6	6:00	godzina	osiemnasta	szósta
six-thirty	godzina 6:30	30	6	6:30	godzina	osiemnasta trzydzieści	szósta trzydzieści
skateboard	deskorolka	deska	skateboard
skier	narciarz	narty	stok	śnieg
skis	narty	stok	śnieg
skull	czaszka	duch	kościotrup	potwór	szkielet	trupia czaszka	śmierć
skull-and-crossbones	czaszka z piszczelami	duch	kościotrup	piraci	piszczele	potwór	szkielet	trupia czaszka	śmierć
skunk	skunks	smród
sled	sanie
sleeping-face	śpiąca twarz	sen	spanie	twarz	zzz
sleepy-face	senna twarz	śpiąca buźka
slightly-frowning-face	lekko zachmurzona twarz	grymas	niezadowolenie
slightly-smiling-face	lekko uśmiechnięta twarz	buźka
slot-machine	automat do gier	automat do gry	jednoręki bandyta	kasyno
sloth	leniwiec	leniwy	powolny
small-airplane	mały samolot	awionetka	samolot
small-blue-diamond	mały niebieski romb	figura geometryczna	kształt	mały	niebieski	romb
small-orange-diamond	mały pomarańczowy romb	figura geometryczna	kształt	mały	pomarańczowy	romb
smiling-cat-with-heart-eyes	uśmiechnięty kot z oczami w kształcie serca	kot	miłość	oczy	serca	zakochany
smiling-face	uśmiechnięta twarz	buźka	uśmiech	zrelaksowany
smiling-face-with-halo	uśmiechnięta twarz z aureolą	nic nie zrobiłem	świętoszek
smiling-face-with-heart-eyes	uśmiechnięta twarz z oczami w kształcie serca	buźka	kocham	serca	uśmiech	zakochany
smiling-face-with-hearts	uśmiechnięta buźka z sercami	uwielbienie	uśmiechnięta twarz z sercami	zadurzenie	zakochany
smiling-face-with-horns	uśmiechnięta twarz z rogami	diabełek	fantasy	rogi	różki	wesoły
smiling-face-with-open-hands	twarz z gestem przytulania	uśmiech	ściskam
smiling-face-with-smiling-eyes	uśmiechnięta twarz o roześmianych oczach	przyjazny	serdeczny	uśmiech
smiling-face-with-sunglasses	uśmiechnięta twarz w okularach przeciwsłonecznych	luzak	na luzie	okulary	zadowolony
smiling-face-with-tear	uśmiechnięta buźka ze łzą	dumny	ulga	uśmiechnięty	wdzięczny	wzruszony	łza
smirking-face	twarz z uśmieszkiem	uśmieszek
snail	ślimak
snake	wąż	dusiciel	jadowity	żmija
sneezing-face	kichająca twarz	katar	kichać	na zdrowie	smarkanie
snow-capped-mountain	góra z czapą lodową	góra	zima	śnieg
snowboarder	snowboardzista	snowboard
snowflake	płatek śniegu	pogoda	zimno	śnieg
snowman	bałwanek i płatki śniegu	bałwan	bałwan i płatki śniegu	pogoda	zabawa na śniegu	zimno	śnieg
snowman-without-snow	bałwanek bez śniegu	bałwan	bałwan bez śniegu	pogoda	zabawa na śniegu	zimno	śnieg
soap	mydło	kostka	kąpiel	mycie	mydelniczka	piana
soccer-ball	piłka nożna	futbolówka	nożna	piłka
socks	skarpetki	skarpety
soft-ice-cream	lody włoskie	lody śmietankowe	w kubku
softball	softball	piłka	rzut od dołu	rękawica
soon-arrow	strzałka z napisem SOON	strzałka	wkrótce
sos-button	przycisk SOS	na pomoc	ratunek	ratunku
spade-suit	pik	gra	karta	talia
spaghetti	spaghetti	kluski	makaron	pasta
sparkle	iskra	*
sparkler	zimne ognie	ognie	petardy	sztuczne	zimne
sparkles	gwiazdki	*	gwiazda	gwiazdy
sparkling-heart	migoczące serce	błyszczące serce
speak-no-evil-monkey	małpa zasłaniająca pyszczek	co ja mówię	gest	nie	nie mówić	nie mówię	niedobre	zabronione	zakrywam usta
speaker-high-volume	wysoka głośność głośnika	duża głośność	wysoka głośność
speaker-low-volume	niska głośność głośnika	głośność
speaker-medium-volume	średnia głośność głośnika	średnia
speaking-head	mówiąca głowa	mówić	powiedzieć	profil	sylwetka
speech-balloon	dymek	dialog	rozmowa
speedboat	ścigacz wodny	łódka	łódź
spider	pająk	pajączek	pajęczak
spider-web	pajęczyna	sieć pająka
spiral-calendar	kalendarz na spirali	kalendarz	na spirali	notatnik	notes	spirala
spiral-notepad	kołonotatnik	na spirali	notatnik	notes	spirala
spiral-shell	muszla spiralna	muszelka	spirala
sponge	gąbka	mycie	porowata	wchłanianie
spoon	łyżka	sztućce	łyżeczka
sport-utility-vehicle	samochód SUV	pojazd	samochód	wypoczynkowy
sports-medal	medal sportowy	medal	nagroda
spouting-whale	wieloryb tryskający wodą	fontanna	strumień wody	wieloryb
squid	kałamarnica	jedzenie	mięczak	ośmiornica
squinting-face-with-tongue	twarz ze zmrużonymi oczami wystawiająca język	język	okropne	pokazywać język	smak	zamknięte oczy
stadium	stadion	boisko
star	gwiazda
star-and-crescent	gwiazda i półksiężyc	islam	muzułmanin	religia
star-of-david	gwiazda Dawida	dawid	gwiazda	gwiazda dawidowa	religia	żyd	żydowska
star-struck	zafascynowany	buźka	gwiazdy	zafascynowanie
station	stacja	dworzec	kolej
statue-of-liberty	Statua Wolności	statua	wolności
steaming-bowl	miska parującego jedzenia	miska	parująca miska
stethoscope	stetoskop	lekarz	medycyna	serce
stop-button	zatrzymaj	kwadrat	stop
stop-sign	znak stopu	stop	znak	znak drogowy
stopwatch	stoper	czasomierz
straight-ruler	linijka	linia	prosta	prosta krawędź
strawberry	truskawka	owoc
student	student	absolwent
studio-microphone	mikrofon studyjny	mikrofon	muzyka	nagrywać	studio	studyjny
stuffed-flatbread	wrap	falafel	gyros	jedzenie	kebab	tortilla
sun	słońce	jasne	kosmos	pogoda	promienie	słonecznie
sun-behind-cloud	słońce zza chmury	chmura	pogoda	słońce
sun-behind-large-cloud	słońce za chmurą	chmura	pogoda	słońce
sun-behind-rain-cloud	słońce za chmurą i deszcz	chmura	deszcz	pogoda	słońce
sun-behind-small-cloud	słońce za chmurką	chmura	pogoda	słońce
sun-with-face	słońce z twarzą	ciepło	promienny	uśmiech
sunflower	słonecznik	kwiat	roślina	słońce
sunglasses	okulary słoneczne	ciemne okulary	przeciwsłoneczne	słoneczne
sunrise	wschód słońca	brzask
sunrise-over-mountains	wschód słońca zza gór	góry	ranek	słońce	wschód
sunset	zachód słońca	budynki	miasto	zmierzch
superhero	superbohater	bohater	bohaterka	pozytywny	supermoc
supervillain	superłotr	czarny charakter	przestępca	supermoc	złoczyńca
sushi	sushi	suszi
suspension-railway	kolej podwieszana	kolej	pociąg	podwieszana
swan	łabędź	brzydkie kaczątko	ptak
sweat-droplets	krople potu	krople	pot	woda
synagogue	synagoga	religia	świątynia	żyd	żydowski
syringe	strzykawka	chory	lekarstwo	szczepienie	szczepionka	zastrzyk
t-rex	t-rex
t-shirt	koszulka	męska	z krótkimi rękawami
taco	taco	meksykańskie jedzenie
takeout-box	pudełko na wynos
tamale	tamales	meksykańskie	zawijane
tanabata-tree	drzewko na Tanabata	drzewo	japońskie	tanabata	życzenia
tangerine	mandarynka	cytrus	owoc	pomarańcza
taurus	Byk	znak zodiaku	zodiak
taxi	taksówka	taxi
teacher	nauczyciel	instruktor	pedagog	profesor
teacup-without-handle	filiżanka bez uszka	filiżanka	spodek
teapot	czajniczek	dzbanek na herbatę	herbata	imbryk
tear-off-calendar	kalendarz z wyrywanymi kartkami	data	spirala	zdzierany kalendarz
technologist	technolog	deweloper	oprogramowanie	programista	wynalazca
teddy-bear	miś pluszowy	pluszak	pluszowa	wypchana	zabawka
telephone	telefon	aparat telefoniczny
telephone-receiver	słuchawka telefoniczna	słuchawka	telefon
telescope	teleskop	luneta	obserwacja	powiększenie
television	telewizja	kineskop	kineskopowy	odbiornik	stary telewizor	z anteną
ten-oclock	godzina 10:00	00	10	10:00	dwudziesta druga	dziesiąta	godzina
ten-thirty	godzina 10:30	10	10:30	30	dwudziesta druga trzydzieści	dziesiąta trzydzieści	godzina
tennis	tenis	piłka
tent	namiot	kemping	obóz	pole namiotowe
test-tube	probówka	chemia	chemik	eksperyment	laboratorium	nauka
thermometer	termometr	pogoda	temperatura
thinking-face	myśląca twarz	buźka	myślę	zamyślony	zastanawiam się
thong-sandal	japonka	japonki	sandały	sandały na plażę
thought-balloon	dymek myśli	myśl	myśleć
thread	nić	igła	nawlekać	szpulka	szycie
three-oclock	godzina 3:00	00	3	3:00	godzina	piętnasta	trzecia
three-thirty	godzina 3:30	3	30	3:30	godzina	piętnasta trzydzieści	trzecia trzydzieści
thumbs-down	kciuk w dół	brzydkie	nie lubię	nie podoba mi się
thumbs-up	kciuk w górę	brawo	lubię	ok	podoba mi się
ticket	bilet	wstęp
tiger	tygrys
tiger-face	głowa tygrysa	buźka	kot	pyszczek
timer-clock	minutnik	czasomierz	zegar
tired-face	zmęczona twarz	zmęczenie	zmęczona buźka
toilet	muszla klozetowa	dolnopłuk	sedes	toaleta	ubikacja
tokyo-tower	Tokyo Tower	tokio	wieża
tomato	pomidor	szklarniowe	warzywo
tongue	język	ciało
toolbox	skrzynka na narzędzia	mechanik	narzędzie	skrzynka
tooth	ząb	dentysta	stomatolog
toothbrush	szczoteczka do zębów	czyszczenie	higiena	jama ustna	szczotka	zęby	łazienka
top-arrow	strzałka z napisem TOP	góra	strzałka
top-hat	cylinder	kapelusz	męskie nakrycie głowy
tornado	tornado	chmura	lej	pogoda	wir powietrzny
trackball	trackball	komputer
tractor	ciągnik	rolniczy
trade-mark	znak towarowy	tm
train	pociąg	kolej	pojazd
tram	tramwaj	szynowy	trolejbus
tram-car	wagon tramwajowy	pojazd	szynowy	tramwaj	trolejbus	wagon
transgender-flag	flaga osób transpłciowych	flaga	transpłciowość
transgender-symbol	symbol transpłciowości	transpłciowość
triangular-flag	flaga trójkątna	chorągiewka	czerwona flaga	flaga	słupek
triangular-ruler	ekierka	linia prosta	linijka	trójkąt
trident-emblem	emblemat z trójzębem	emblemat	kotwica	okręt	statek
troll	troll	bajka	fantazja	potwór
trolleybus	trolejbus	autobus	elektryczny	pojazd
trophy	puchar	nagroda	trofeum
tropical-drink	drink tropikalny	bar	tropikalny
tropical-fish	ryba tropikalna	ryba	tropikalna
trumpet	trąbka	instrument	muzyka
tulip	tulipan	kwiat	kwiatek	pąk
tumbler-glass	szklanka z grubym dnem	alkohol	drink	grube dno	szklanka	whisky
turkey	indyk
turtle	żółw
twelve-oclock	godzina 12:00	00	12	12:00	dwunasta	godzina	zero
twelve-thirty	godzina 12:30	12	12:30	30	dwunasta trzydzieści	godzina	zero trzydzieści
two-hearts	dwa serca	kocham	miłość	serca
two-hump-camel	wielbłąd dwugarbny	baktrian	garby	wielbłąd
two-oclock	godzina 2:00	00	2	2:00	czternasta	druga	godzina
two-thirty	godzina 2:30	2	2:30	30	czternasta trzydzieści	druga trzydzieści	godzina
umbrella	parasol	deszcz	opady	pada	pogoda
umbrella-on-ground	parasol plażowy wbity w ziemię	deszcz	parasol	pogoda	słońce
umbrella-with-rain-drops	parasol z kroplami deszczu	deszcz	opady	pada	pogoda
unamused-face	niezadowolona twarz	niezadowolona buźka
unicorn	głowa jednorożca	głowa	jednorożec	łeb
unlocked	otwarta kłódka	kłódka	odblokować	otwarta
up-arrow	strzałka w górę	kierunek	północ	strzałka	strzałka do góry
up-button	przycisk UP!	do góry	znak up!
up-down-arrow	strzałka w górę i w dół	dwukierunkowa	góra-dół	strzałka do góry i na dół
up-left-arrow	strzałka w górę w lewo	kierunek	północny zachód	strzałka	strzałka do góry w lewo
up-right-arrow	strzałka w górę w prawo	kierunek	północny wschód	strzałka	strzałka do góry w prawo
upside-down-face	odwrócona twarz	do góry nogami
upwards-button	przycisk „w górę”	do góry	strzałka	trójkąt
vampire	wampir	drakula	nieumarli
vertical-traffic-light	pionowa sygnalizacja uliczna	sygnalizacja świetlna
vibration-mode	tryb wibracji	komórka	telefon komórkowy	wibracje
victory-hand	gest V	gest zwycięstwa	znak v	znak victorii
video-camera	kamera wideo	kamera	wideo
video-game	gra wideo	gamepad	pad
videocassette	kaseta wideo	taśma
violin	skrzypce	altówka	instrument	muzyczny	smyczek	strunowy
virgo	Panna	znak zodiaku	zodiak
volcano	wulkan	erupcja	góra
volleyball	siatkówka	gra	piłka
vs-button	przycisk VS	kontra	versus	vs
vulcan-salute	salut wolkański	dłoń	palce	spock	wolkański
waffle	gofr	gofrownica
waning-crescent-moon	zanikający półksiężyc	cieniutki księżyc	księżyc	sierp
waning-gibbous-moon	zanikający księżyc między pełnią a ostatnią kwadrą	chudnący	księżyc	księżyc z brzuszkiem	tłusty księżyc
warning	ostrzeżenie	uwaga	wykrzyknik	znak ostrzegawczy
wastebasket	kosz na śmieci	kosz	odpadki	śmieci
watch	zegarek	godzina
water-buffalo	wół domowy	bawół wodny
water-closet	WC	szalet	toaleta	ubikacja	ustęp
water-pistol	pistolet na wodę	broń	broń palna	pistolet	rewolwer
water-wave	fala	fale	morze	ocean	tsunami
watermelon	arbuz	kawałek arbuza	owoc
waving-hand	machająca dłoń	cześć
wavy-dash	falista kreska	fala	linia	pofalowana
waxing-crescent-moon	narastający półksiężyc	cieniutki księżyc	księżyc	sierp
waxing-gibbous-moon	narastający księżyc między pierwszą kwadrą a pełnią	księżyc z brzuszkiem	tłusty księżyc
weary-cat	przestraszony kot	kot	w szoku	zaskoczony	zdumiony	zszokowany
weary-face	znużona twarz	zmęczenie	zmęczona buźka
wedding	ślub	kaplica	kościół	miłość	serce	uroczystość
whale	wieloryb
wheel	koło pojazdu	koło	kręcić	opona
wheel-of-dharma	koło dharmy	buddysta	buddyzm	dharma	koło	religia
wheelchair-symbol	symbol wózka inwalidzkiego	inwalida	na wózku	niepełnosprawny	wózek
white-cane	biała laska	dostępność	niewidomy
white-circle	białe koło	białe	figura geometryczna	koło	kółko
white-exclamation-mark	biały wykrzyknik	!	krzyk	okrzyk	wykrzyknik
white-flag	biała flaga	flaga	kapitulacja	na wietrze	poddaję się	powiewająca biała flaga
white-flower	biały kwiat	kontury
white-heart	białe serce	białe	serce
white-large-square	duży biały kwadrat	biały	duży	figura geometryczna	kwadrat
white-medium-small-square	mały/średni biały kwadrat	biały	figura geometryczna	kwadracik	kwadrat
white-medium-square	średni biały kwadrat	biały	duży	figura geometryczna	kwadrat	średni
white-question-mark	biały znak zapytania	o co chodzi?	pytajnik	pytanie	znak zapytania
white-small-square	mały biały kwadrat	biały	figura geometryczna	kwadracik	kwadrat
white-square-button	biały kwadratowy przycisk	biały	czarny	figura geometryczna	kwadrat	obramowanie
wilted-flower	zwiędły kwiat	kwiat	róża	więdnąć
wind-chime	dzwonek wietrzny	dzwonek	dzwonki	wietrzny
wind-face	dmuchająca twarz wiatru	chmura	pogoda	twarz	wiatr	wiać
window	okno	framuga	otwór	przezroczyste	widok	świeże powietrze
wine-glass	kieliszek wina	alkohol	kieliszek	wino
wing	skrzydło	anielskie	latający	latanie	mitologia	ptak
winking-face	twarz puszczająca oko	puszczać oko
winking-face-with-tongue	twarz wystawiająca język i puszczająca oko	język	mrugnięcie	pokazuję język
wireless	bezprzewodowy	internet	komputer	sieć
wolf	głowa wilka	pysk
woman	kobieta
woman-and-man-holding-hands	mężczyzna i kobieta trzymający się za ręce	miłość	para	za ręce	zakochani
woman-artist	artystka	kobieta	paleta
woman-astronaut	astronautka	kobieta	kosmos	rakieta
woman-bald	kobieta: łysy	kobieta	łysy
woman-beard	kobieta z brodą	broda	kobieta
woman-biking	kobieta na rowerze	jazda	kobieta	rower
woman-blond-hair	blondynka	kobieta
woman-bouncing-ball	kobieta kozłująca piłkę	kobieta	kozłowanie	piłka
woman-bowing	kobieta w ukłonie	gest	kobieta	przepraszam	ukłon
woman-cartwheeling	kobieta robiąca gwiazdę	gimnastyka	gwiazda	kobieta	sport
woman-climbing	kobieta wspinająca się	wspinacz
woman-construction-worker	kobieta budowlaniec	budowlaniec	kobieta	robotnik
woman-cook	kucharka	kobieta	szef kuchni
woman-curly-hair	kobieta: kręcone włosy	kobieta	kręcone włosy
woman-dancing	tańcząca kobieta	taniec	tańczyć
woman-detective	kobieta detektyw	detektyw	kobieta	szpieg
woman-elf	kobieta elf	magiczny
woman-facepalming	kobieta trzymająca się za czoło	brak słów	fejspalm	kobieta	niedowierzanie	załamka
woman-factory-worker	pracownica fabryki	fabryka	kobieta	montażystka	pracownica
woman-fairy	kobieta wróżka	tytania
woman-farmer	rolniczka	farmerka	kobieta	ogrodniczka
woman-feeding-baby	kobieta karmiąca niemowlę	karmienie	karmienie piersią	kobieta	niemowlę
woman-firefighter	kobieta strażak	kobieta	strażak	wóz strażacki
woman-frowning	zachmurzona kobieta	kobieta	zmarszczone brwi
woman-genie	kobieta dżin	dżin
woman-gesturing-no	kobieta pokazująca gest NIE	kobieta	nie	ręce	zakaz
woman-gesturing-ok	kobieta pokazująca gest OK	kobieta	ręce
woman-getting-haircut	kobieta podczas strzyżenia	fryzura	kobieta	strzyżenie
woman-getting-massage	kobieta podczas masażu	głowa	kobieta	masaż	twarz
woman-golfing	kobieta grająca w golfa	golf	kobieta
woman-guard	kobieta gwardzista	gwardzistka	kobieta	strażniczka
woman-health-worker	lekarka	kobieta	terapeutka
woman-in-lotus-position	kobieta w pozycji lotosu	joga	medytacja
woman-in-manual-wheelchair	kobieta na wózku inwalidzkim	dostępność	kobieta	wózek inwalidzki
woman-in-motorized-wheelchair	kobieta na elektrycznym wózku inwalidzkim	dostępność	kobieta	wózek inwalidzki
woman-in-steamy-room	kobieta w zaparowanym pomieszczeniu	sauna	zaparowane pomieszczenie
woman-in-tuxedo	kobieta w smokingu	kobieta	smoking
woman-judge	kobieta sędzia	kobieta	sędzina
woman-juggling	żonglująca kobieta	kobieta	żonglerka	żonglowanie
woman-kneeling	klęcząca kobieta	klęczeć	kobieta
woman-lifting-weights	kobieta podnosząca ciężary	ciężar	ciężarowiec	kobieta
woman-mage	kobieta mag	czarownica	wiedźma
woman-mechanic	kobieta elektryk	elektryk	hydraulik	kobieta	mechanik
woman-mountain-biking	kobieta na rowerze górskim	jazda	kobieta	rower górski
woman-office-worker	pracownica biurowa	architekt	biuro	bizneswoman	kobieta
woman-pilot	kobieta pilot	kobieta	pilot	samolot
woman-playing-handball	kobieta grająca w piłkę ręczną	kobieta	piłka ręczna	sport
woman-playing-water-polo	kobieta grająca w piłkę wodną	kobieta	piłka	piłka wodna	sport
woman-police-officer	kobieta policjant	glina	kobieta	oficer	policjantka
woman-pouting	nadąsana kobieta	kobieta	nadąsana	niezadowolona
woman-raising-hand	kobieta podnosząca rękę	gest	hej	kobieta	powitanie
woman-red-hair	kobieta: rude włosy	kobieta	rude włosy
woman-rowing-boat	kobieta wiosłująca w łodzi	kobieta	wiosłowanie	łódka
woman-running	biegnąca kobieta	bieg	bieganie	kobieta	maraton
woman-scientist	kobieta naukowiec	biolog	chemik	inżynier	kobieta
woman-shrugging	kobieta wzruszająca ramionami	kobieta	obojętność	wzruszenie ramion	wątpliwość
woman-singer	piosenkarka	aktorka	kobieta	rock
woman-standing	stojąca kobieta	kobieta	stać
woman-student	studentka	kobieta
woman-superhero	kobieta superbohater	bohaterka	kobieta	pozytywna	supermoc
woman-supervillain	kobieta superłotr	czarny bohater	kobieta	przestępca	supermoc	złoczyńca
woman-surfing	surfująca kobieta	deska	kobieta	surfing
woman-swimming	pływająca kobieta	kobieta	kraul	pływanie
woman-teacher	nauczycielka	kobieta	profesor	wykładowczyni
woman-technologist	kobieta technolog	kobieta	oprogramowanie	programistka	wynalazczyni
woman-tipping-hand	kobieta z wystawioną dłonią	kobieta	otwarta dłoń
woman-vampire	kobieta wampir	nieumarli
woman-walking	idąca kobieta	chodzenie	kobieta	piechur	spacer
woman-wearing-turban	kobieta w turbanie	kobieta	turban
woman-white-hair	kobieta: białe włosy	białe włosy	kobieta
woman-with-headscarf	kobieta w chuście	chusta	hidżab
woman-with-veil	kobieta w welonie	kobieta	welon
woman-with-white-cane	kobieta z białą laską	dostępność	kobieta	niewidoma
woman-zombie	kobieta zombie	chodzące trupy	nieumarli
womans-boot	kozak damski	kozaczek
womans-clothes	ubranie damskie	damska	ubiór	ubranie
womans-hat	kapelusz damski	damski	kapelusz	nakrycie głowy	ze wstążką
womans-sandal	sandał damski	but	damski	obuwie	sandał
women-holding-hands	kobiety trzymające się za ręce	dwie kobiety trzymające się za ręce	miłość	para	za ręce	zakochane
women-with-bunny-ears	kobiety z uszami królika na przyjęciu	impreza	kobiety	królicze uszy	tancerki
women-wrestling	kobiety uprawiające zapasy	kobiety	sport	zapasy	zapaśniczki
womens-room	toaleta damska	damski	szalet	toaleta	ubikacja	ustęp
wood	drewno	kłoda	polano	tarcica
woozy-face	zamroczona twarz	faliste usta	na gazie	nierówne oczy	odurzony	pod wpływem	wstawiony
world-map	mapa świata	mapa	świat
worm	robak	dżdżownica	glista	pasożyt	pierścienice
worried-face	zmartwiona twarz	zmartwiona buźka
wrapped-gift	zapakowany prezent	kokarda	kokardka	paczka	podarunek
wrench	klucz warsztatowy	mechanik	narzędzie	warsztat
writing-hand	pisząca dłoń	pisać	pisać odręcznie	piszę
x-ray	zdjęcie rentgenowskie	kości	lekarz	medycyna	szkielet
yarn	włóczka	kłębek	robienie na drutach	szydełkowanie
yawning-face	ziewająca twarz	nuda	ziewać	zmęczenie	znudzony
yellow-circle	żółte koło	koło	kółko	żółte
yellow-heart	żółte serce	serce	żółte
yellow-square	żółty kwadrat	kwadrat	kwadratowy	żółty
yen-banknote	banknot jena	bank	banknot	pieniądze	rachunek	waluta
yin-yang	yin-yang	religia	tao	taoizm	yang	yin
yo-yo	jojo	gra	zabawka
zany-face	szalona twarz	duże	małe	oko
zebra	zebra
zipper-mouth-face	twarz z zamkiem błyskawicznym na ustach	buzia na kłódkę	nic nie powiem
zombie	zombie	chodzące trupy	nieumarli
zzz	chrapanie	zabawny	żartobliwy
