Glimmora keywords 1
1st-place-medal	medal za 1. miejsce	medal	pierwsze miejsce	zwycięstwo	złoto
2nd-place-medal	medal za 2. miejsce	drugie miejsce	medal	srebro
3rd-place-medal	medal za 3. miejsce	brąz	medal	trzecie miejsce
abacus	liczydło	abakus	obliczanie
accordion	akordeon	harmonia	koncertyna
adhesive-bandage	plaster	opatrunek
admission-tickets	bilety wstępu	bilet	wstęp
aerial-tramway	kolej linowa	gondola	górska	kolejka	linowa	podwieszana	wagonik
airplane	samolot
airplane-arrival	przylot samolotu	lądowanie	przylot	samolot
airplane-departure	odlot samolotu	odlot	odprawa	samolot	start	wylot
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
anxious-face-with-sweat	zaniepokojona twarz oblana potem	zziajana buźka
aquarius	Wodnik	znak zodiaku	zodiak
aries	Baran	znak zodiaku	zodiak
articulated-lorry	samochód ciężarowy	ciężarówka	dostawczy
artist-palette	paleta malarska	farby	kolory	malarz	muzeum	sztuka
astonished-face	zadziwiona twarz	zaskoczenie	zaskoczona buźka
atm-sign	znak bankomatu	atm
atom-symbol	symbol atomu	atom
auto-rickshaw	autoriksza	tuk-tuk
automobile	samochód	auto	pojazd
avocado	awokado	jedzenie	owoc
axe	siekiera	drewno	rozłupywać	rąbać	topór
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
brick	cegła	cegły	glina	mur	zaprawa	ściana
bridge-at-night	most nocą	most w nocy
briefcase	teczka	aktówka	neseser
briefs	kąpielówki	bielizna	majtki do kąpieli	strój do kąpieli
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
circus-tent	namiot cyrkowy	namiot
cityscape	drapacze chmur	miasto	wieżowce
cityscape-at-dusk	miasto o zmierzchu	budynki	miasto	wieżowce	zachód słońca	zmierzch
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
control-knobs	pokrętła	gałki	muzyka
convenience-store	sklep całodobowy	sklep
cooked-rice	gotowany ryż	ryż
cookie	ciastko	deser	słodki	słodkie ciastko
cooking	gotowanie	jajko	smażyć
copyright	znak praw autorskich	copyright	prawa autorskie
coral	koralowiec	koralowa	ocean	rafa
couch-and-lamp	kanapa i lampa	hotel	kanapa	lampa
counterclockwise-arrows-button	przycisk ze strzałkami przeciwnie do ruchu wskazówek zegara	dookoła	okrężny	przycisk ze strzałkami w kierunku przeciwnym do ruchu wskazówek zegara	strzałka
cow	krowa	krówka
cow-face	głowa krowy	głowa	krowa	łeb
cowboy-hat-face	głowa w kapeluszu kowbojskim	kapelusz	kowboj	kowbojka
crab	krab	rak	zodiak
crayon	kredka	rysować
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
diamond-suit	karo	gra	karta	talia
diamond-with-a-dot	romb z kropką	klejnot	romb
disappointed-face	rozczarowana twarz	rozczarowana buźka
disguised-face	buźka w przebraniu	anonimowy	incognito	nos	okulary	przebranie	twarz	wąsy
diving-mask	maska do nurkowania	akwalung	nurkowanie	nurkowanie z rurką	snurkowanie
diya-lamp	dipa	lampka	oliwna
dizzy	zawroty głowy	spadająca gwiazda
dna	dna	biolog	ewolucja	gen	genetyka	życie
dodo	dodo	duży	mauritius	wymarły
dog	pies	piesek	psiaczek	psinka	zwierzę
dog-face	głowa psa	pies	psiaczek	pysk	pyszczek
dolphin	delfin
donkey	osioł	muł	osiołek	ssak	uparty	zwierzę
door	drzwi
dotted-line-face	twarz otoczona linią przerywaną	introwertyk	niewidzialna twarz	przygnębiona twarz	ukryta twarz	znikająca twarz
dotted-six-pointed-star	gwiazda sześcioramienna z kropką	szczęście
double-curly-loop	podwójna pętla	podwójna	pętla	zawijas
doughnut	pączek z dziurką	ciasto	deser	pączek	z dziurką
dove	gołąb	gołąbek
down-arrow	strzałka w dół	kierunek	południe	strzałka	strzałka na dół
down-left-arrow	strzałka w dół w lewo	kierunek	południowy zachód	strzałka	strzałka na dół w lewo
down-right-arrow	strzałka w dół w prawo	kierunek	południowy wschód	strzałka
downcast-face-with-sweat	twarz ze spuszczonymi oczami oblana potem	kropla potu	spocony
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
eight-pointed-star	gwiazda ośmioramienna	*	gwiazda
eight-spoked-asterisk	gwiazdka ośmioramienna	*	gwiazdka
electric-plug	wtyczka elektryczna	elektryczna	podłączyć
elephant	słoń
elevator	winda	dostępność
elf	elf	magiczny
empty-nest	puste gniazdo	gniazdowanie	gnieżdżenie
end-arrow	strzałka z napisem END	koniec	strzałka
enraged-face	nadąsana twarz	dąsy	twarz	wściekłość	złość
envelope	koperta	e-mail	list	wiadomość
envelope-with-arrow	koperta ze strzałką	odebrać	poczta	przychodząca	wiadomość
evergreen-tree	wiecznie zielone drzewo	drzewo iglaste
ewe	owca	baranek	samica
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
fairy	wróżka	oberon	puk	tytania
falafel	falafel	ciecierzyca	kotlecik z ciecierzycy
fallen-leaf	spadające liście	liście	roślina	spadanie
fax-machine	faks
fearful-face	przestraszona twarz	wystraszona buźka
feather	pióro	latanie	lekkość	pierze	pióra	upierzenie
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
fireworks	fajerwerki	nowy rok	obchody	święta
first-quarter-moon	pierwsza kwadra księżyca	księżyc	kwadra
first-quarter-moon-face	pierwsza kwadra księżyca z twarzą	księżyc z twarzą	pierwsza kwadra	pierwsza kwadra księżyca
fish	ryba	zodiak
fish-cake-with-swirl	ciastko rybne	ciastko	ryba	rybne	spirala
fishing-pole	wędka	złowić	łowienie ryb
flag-argentina	flaga: Argentyna	AR	flaga
flag-australia	flaga: Australia	AU	flaga
flag-austria	flaga: Austria	AT	flaga
flag-belgium	flaga: Belgia	BE	flaga
flag-brazil	flaga: Brazylia	BR	flaga
flag-bulgaria	flaga: Bułgaria	BG	flaga
flag-canada	flaga: Kanada	CA	flaga
flag-chile	flaga: Chile	CL	flaga
flag-china	flaga: Chiny	CN	flaga
flag-colombia	flaga: Kolumbia	CO	flaga
flag-croatia	flaga: Chorwacja	HR	flaga
flag-cuba	flaga: Kuba	CU	flaga
flag-czechia	flaga: Czechy	CZ	flaga
flag-denmark	flaga: Dania	DK	flaga
flag-egypt	flaga: Egipt	EG	flaga
flag-estonia	flaga: Estonia	EE	flaga
flag-european-union	flaga: Unia Europejska	EU	flaga
flag-finland	flaga: Finlandia	FI	flaga
flag-france	flaga: Francja	FR	flaga
flag-germany	flaga: Niemcy	DE	flaga
flag-greece	flaga: Grecja	GR	flaga
flag-hungary	flaga: Węgry	HU	flaga
flag-iceland	flaga: Islandia	IS	flaga
flag-in-hole	flaga w dołku	golf	otwór
flag-india	flaga: Indie	IN	flaga
flag-ireland	flaga: Irlandia	IE	flaga
flag-israel	flaga: Izrael	IL	flaga
flag-italy	flaga: Włochy	IT	flaga
flag-jamaica	flaga: Jamajka	JM	flaga
flag-japan	flaga: Japonia	JP	flaga
flag-kenya	flaga: Kenia	KE	flaga
flag-latvia	flaga: Łotwa	LV	flaga
flag-lithuania	flaga: Litwa	LT	flaga
flag-luxembourg	flaga: Luksemburg	LU	flaga
flag-mexico	flaga: Meksyk	MX	flaga
flag-morocco	flaga: Maroko	MA	flaga
flag-netherlands	flaga: Holandia	NL	flaga
flag-new-zealand	flaga: Nowa Zelandia	NZ	flaga
flag-nigeria	flaga: Nigeria	NG	flaga
flag-norway	flaga: Norwegia	NO	flaga
flag-peru	flaga: Peru	PE	flaga
flag-poland	flaga: Polska	PL	flaga
flag-portugal	flaga: Portugalia	PT	flaga
flag-romania	flaga: Rumunia	RO	flaga
flag-serbia	flaga: Serbia	RS	flaga
flag-slovakia	flaga: Słowacja	SK	flaga
flag-slovenia	flaga: Słowenia	SI	flaga
flag-south-africa	flaga: Republika Południowej Afryki	ZA	flaga
flag-south-korea	flaga: Korea Południowa	KR	flaga
flag-spain	flaga: Hiszpania	ES	flaga
flag-sweden	flaga: Szwecja	SE	flaga
flag-switzerland	flaga: Szwajcaria	CH	flaga
flag-thailand	flaga: Tajlandia	TH	flaga
flag-turkiye	flaga: Turcja	TR	flaga
flag-ukraine	flaga: Ukraina	UA	flaga
flag-united-kingdom	flaga: Wielka Brytania	GB	flaga
flag-united-nations	flaga: Organizacja Narodów Zjednoczonych	UN	flaga
flag-united-states	flaga: Stany Zjednoczone	US	flaga
flag-vietnam	flaga: Wietnam	VN	flaga
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
fork-and-knife	widelec i nóż	gotowanie	nóż	widelec
fork-and-knife-with-plate	talerz z nożem i widelcem	naczynia	nóż	sztućce	talerz	widelec
fortune-cookie	ciastko z wróżbą
fountain	fontanna
fountain-pen	wieczne pióro	pióro	stalówka	wieczne
four-leaf-clover	czterolistna koniczyna	koniczyna	koniczynka	szczęście
fox	głowa lisa	lis	zwierzę
framed-picture	obrazek w ramce	malarstwo	muzeum	obraz	ramka	sztuka
french-fries	frytki
fried-shrimp	smażona krewetka
frog	głowa żaby	ropucha	traszka	żaba	żabka
front-facing-baby-chick	kurczątko od przodu	pisklak	pisklę
frowning-face	zachmurzona twarz	grymas	niezadowolenie
frowning-face-with-open-mouth	zachmurzona twarz z otwartymi ustami	rozzłoszczona buźka
fuel-pump	dystrybutor paliwa	benzyna	dystrybutor	stacja paliw
full-moon	pełnia	jasny księżyc	księżyc	pełny księżyc
full-moon-face	pełnia z twarzą	księżyc w pełni	pełnia
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
guide-dog	pies przewodnik	dostępność	niewidomi	przewodnik	ułatwienia dostępu
guitar	gitara	instrument	muzyka
hair-pick	grzebień fryzjerski	afro	grzebień	rozczesywanie	włosy
hamburger	hamburger	fast food
hammer	młotek	młot	narzędzie
hammer-and-pick	młoty	kilof	młot	narzędzia
hammer-and-wrench	młot i klucz	klucz	młot	narzędzia	warsztatowy
hamster	głowa chomika	mysz
hand-with-fingers-splayed	uniesiona otwarta dłoń	otwarta dłoń wszystkie palce	palce	rozpostarte palce
hand-with-index-finger-and-thumb-crossed	dłoń ze skrzyżowanym palcem wskazującym i kciukiem	drogie	miłość	pieniądze	pstryknięcie palcami	serce
handbag	torebka	bagaż	damska torebka
handshake	uścisk dłoni	powitanie	spotkanie	uścisk	zgoda
hatching-chick	wykluwające się kurczątko	kurczaczek	kurczątko	pisklak	wykluwać się
headphone	słuchawki
hear-no-evil-monkey	małpa zasłaniająca uszy	gest	nie	nie słyszeć	nie słyszę	niedobre	zabronione	zakrywam uszy
heart-decoration	dekoracja z sercem	dekoracja	ozdoba
heart-exclamation	wykrzyknik w kształcie serca	czerwony wykrzyknik	serce	wykrzyknik	znak interpunkcyjny
heart-hands	dłonie tworzące serce	miłość
heart-on-fire	serce w płomieniach	miłość	płomienie	płonąć	serce	święte serce
heart-suit	kier	gra	karta	talia
heart-with-arrow	serce przebite strzałą	przebite strzałą	serce ze strzałą
heart-with-ribbon	serce ze wstążką	serce	walentynki	wstążka
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
hospital	szpital	budynek	lecznica	lekarz	medycyna
hot-beverage	gorący napój	gorąca	herbata	kawa	napój	parująca	picie
hot-dog	hot dog	bułka	frankfurterka	gorący pies	hotdog	parówka
hot-face	rozgrzana twarz	czerwona buźka	rozgrzana buźka	rozpalony	spocony	udar cieplny	upał
hot-pepper	ostra papryka	ostry	papryka
hot-springs	gorące źródła	gorące	para	woda	źródło
hotel	hotel	budynek
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
inbox-tray	skrzynka odbiorcza	list	mail	odbierać	odbiorcza	otrzymywać	pocztowa	skrzynka
incoming-envelope	koperta przychodząca	e-mail	email	list	mail	poczta elektroniczna
index-pointing-at-the-viewer	palec wskazujący skierowany na patrzącego	ty	wskazywanie
index-pointing-up	palec wskazujący w górę	do góry	góra	palec	w górę	wskazujący
jack-o-lantern	dynia na halloween	dynia	halloween
japanese-castle	japoński zamek	budynek	japoński	zamek
japanese-dolls	japońskie lalki	lalki
japanese-post-office	japońska poczta	budynek	poczta
japanese-symbol-for-beginner	japoński symbol początkującego kierowcy	niebieski	początkujący	szewron	w dół	żółty
jar	słoik	pojemnik	przechowywanie	przyprawa	pusty	sos	słój	zapas
jeans	dżinsy	jeansy	portki	ubiór	ubranie
jellyfish	meduza	ał	bezkręgowiec	galareta	morski	parzyć
joker	dżoker	joker	karta	karta do gry
joystick	dżojstik	gra	gra komputerowa	gra wideo	joystick
kaaba	kaaba	islam	muzułmanin	religia
kangaroo	kangur	australia	skoczny	torbacz
key	klucz	hasło	zamek	zamknąć
keyboard	klawiatura	komputer	pisać
khanda	khanda	religia	sikh
kick-scooter	hulajnoga	pojazd
kimono	kimono	ubiór	ubranie
kiss-mark	ślad po pocałunku	odcisk ust	pocałunek	usta
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
mammoth	mamut	kieł	ogromny	wymarły	włochaty
mango	mango	owoc	tropikalny
mans-shoe	but męski	but	męski
manual-wheelchair	wózek inwalidzki ręczny	dostępność
map-of-japan	mapa Japonii	japonia	mapa
maple-leaf	liść klonowy	liść	liść jesienny	liść klonu
maracas	marakasy	grzechotać	instrument	muzyka	perkusja	potrząsać
martial-arts-uniform	strój do sztuk walki	judo	karate	sport	sztuki walki	taekwondo
mate	yerba mate	napój
meat-on-bone	mięso z kością	kość	mięso
mechanical-arm	mechaniczne ramię	dostępność	proteza
mechanical-leg	proteza nogi	dostępność	proteza
medical-symbol	symbol medycyny	eskulap	laska	medycyna
megaphone	megafon	kibicować
melon	melon	owoc
melting-face	roztapiająca się twarz	płynna twarz	rozpuszczająca się twarz	znikająca twarz
memo	notatka	kartka	ołówek	papier	zapiski
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
mirror	lustro	odbicie	zwierciadło
mirror-ball	kula dyskotekowa	dyskoteka	migotanie	przyjęcie	taniec
mobile-phone	telefon komórkowy	komóra	komórka	smartfon	telefon
mobile-phone-with-arrow	telefon komórkowy ze strzałką	dzwonić	komórka	odebrać	smartfon	strzałka	telefon
money-mouth-face	twarz z pieniędzmi na ustach	hajs	kasa	pieniądze	twarz
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
necktie	krawat	koszula	męski	ozdoba
nerd-face	kujon	buźka w okularach	inteligent
nest-with-eggs	gniazdo z jajkami	gniazdowanie	gnieżdżenie
nesting-dolls	matrioszki	laleczka	lalka	matrioszka	rosyjska
neutral-face	neutralna twarz	hm	nic	nie mam zdania
new-moon	nów	ciemny księżyc
new-moon-face	nów z twarzą	księżyc	księżyc w nowiu
newspaper	gazeta	wiadomości
night-with-stars	noc z gwiazdami	gwiazdy	rozgwieżdżone niebo
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
octopus	ośmiornica
oden	oden	owoce morza	owoce morza na patyku
office-building	biurowiec	blok
ogre	ogr	maska	potwór
oil-drum	beczka oleju	beczka	olej
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
one-piece-swimsuit	strój kąpielowy jednoczęściowy	kostium do kąpieli
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
performing-arts	maski teatralne	teatr	występować
persevering-face	uparta twarz	napięcie	zacięta twarz
person	dorosły	płeć neutralna
person-bald	dorosły: łysy	dorosły	płeć neutralna	łysy
person-beard	osoba z brodą	broda	osoba
person-blond-hair	osoba z włosami blond	blond	włosy
person-bowing	osoba w ukłonie	opuszczona głowa	przepraszam	przykro mi
person-curly-hair	dorosły: kręcone włosy	dorosły	kręcone włosy	płeć neutralna
person-facepalming	osoba trzymająca się za czoło	fejspalm	niedowierzanie	załamanie
person-frowning	zachmurzona osoba	smutek na twarzy	smutny
person-gesturing-no	osoba pokazująca gest NIE	nie wolno	zakaz
person-gesturing-ok	osoba pokazująca gest OK	ok	ręce
person-pouting	nadąsana osoba	buźka	kapryśna	mina	niezadowolona
person-raising-hand	osoba podnosząca rękę	ręka do góry	witaj!
person-red-hair	dorosły: rude włosy	dorosły	płeć neutralna	rude włosy
person-shrugging	osoba wzruszająca ramionami	niewiedza	obojętność	wątpliwość
person-tipping-hand	osoba z wystawioną dłonią	pomoc	pomocna dłoń	pomogę	życzliwy
person-white-hair	dorosły: białe włosy	białe włosy	dorosły	płeć neutralna
petri-dish	płytka Petriego	bakteria	biolog	biologia	kultura	laboratorium
pick	kilof	górnicze	narzędzie
pickup-truck	pick-up	furgonetka	pikap	półciężarówka
pie	ciasto
pig	świnia	maciora
pig-face	głowa świni	buźka	świnia	świnka
pig-nose	ryj świni	nosek	ryjek	świński ryjek
pile-of-poo	kupa	gnój	obornik	odchody	potwór	twarz
pill	kapsułka	lekarstwo	tabletka
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
place-of-worship	miejsce kultu	kościół	kult	modlitwa	religia	świątynia
playground-slide	zjeżdżalnia	park rozrywki	wesołe miasteczko	zabawa
pleading-face	błagająca twarz	błaganie	litość	słodkie oczy
plunger	przepychacz	hydraulik	odetkać	przepychać	toaleta
polar-bear	niedźwiedź polarny	arktyczny	biały	miś	miś polarny	niedźwiedź
police-car	samochód policyjny	patrol	policja
police-car-light	kogut policyjny	lampa obrotowa	policyjny	sygnalizator świetlny
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
pouring-liquid	nalewanie płynu	napój	pusty	rozlanie	szklanka
pouting-cat	nadąsany kot	grymas	kot	obrażony
prayer-beads	sznur modlitewny	korale	koraliki	modlitwa	naszyjnik	religia	różaniec
pretzel	precel
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
recycling-symbol	recykling	odpady	surowce wtórne
red-apple	czerwone jabłko	czerwone	owoc	słodkie
red-circle	czerwone koło	czerwone	figura geometryczna	koło	kółko
red-envelope	czerwona koperta	hóngbāo	lai see	pieniądze	prezent	szczęście
red-heart	czerwone serce	czerwone	kocham	miłość	serce
red-paper-lantern	czerwony lampion	bar izakaya	izakaya
red-square	czerwony kwadrat	czerwony	kwadrat	kwadratowy
red-triangle-pointed-down	czerwony trójkąt skierowany w dół	czerwony	figura geometryczna	na dół	trójkąt	w dół	wierzchołkiem
red-triangle-pointed-up	czerwony trójkąt skierowany w górę	czerwony	do góry	figura geometryczna	trójkąt	w górę	wierzchołkiem
registered	zarejestrowany znak towarowy	r	towarowy	zarejestrowany
relieved-face	twarz z wyrazem ulgi	odprężona buźka
reminder-ribbon	wstążka pamięci	upamiętnić	uroczystość	wstążka
rescue-workers-helmet	kask z krzyżykiem	hełm	kask	krzyż	krzyżyk	pomoc
restroom	toalety	toaleta	ubikacja	łazienka
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
shushing-face	uciszająca twarz	cicho	uciszać
sign-of-the-horns	gest rogów	rocker	rogi	znak rockersów
skateboard	deskorolka	deska	skateboard
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
snowflake	płatek śniegu	pogoda	zimno	śnieg
snowman	bałwanek i płatki śniegu	bałwan	bałwan i płatki śniegu	pogoda	zabawa na śniegu	zimno	śnieg
snowman-without-snow	bałwanek bez śniegu	bałwan	bałwan bez śniegu	pogoda	zabawa na śniegu	zimno	śnieg
soap	mydło	kostka	kąpiel	mycie	mydelniczka	piana
soccer-ball	piłka nożna	futbolówka	nożna	piłka
socks	skarpetki	skarpety
soft-ice-cream	lody włoskie	lody śmietankowe	w kubku
softball	softball	piłka	rzut od dołu	rękawica
soon-arrow	strzałka z napisem SOON	strzałka	wkrótce
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
stop-sign	znak stopu	stop	znak	znak drogowy
straight-ruler	linijka	linia	prosta	prosta krawędź
strawberry	truskawka	owoc
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
teacup-without-handle	filiżanka bez uszka	filiżanka	spodek
teapot	czajniczek	dzbanek na herbatę	herbata	imbryk
tear-off-calendar	kalendarz z wyrywanymi kartkami	data	spirala	zdzierany kalendarz
teddy-bear	miś pluszowy	pluszak	pluszowa	wypchana	zabawka
telephone	telefon	aparat telefoniczny
telephone-receiver	słuchawka telefoniczna	słuchawka	telefon
telescope	teleskop	luneta	obserwacja	powiększenie
television	telewizja	kineskop	kineskopowy	odbiornik	stary telewizor	z anteną
tennis	tenis	piłka
tent	namiot	kemping	obóz	pole namiotowe
test-tube	probówka	chemia	chemik	eksperyment	laboratorium	nauka
thermometer	termometr	pogoda	temperatura
thinking-face	myśląca twarz	buźka	myślę	zamyślony	zastanawiam się
thong-sandal	japonka	japonki	sandały	sandały na plażę
thought-balloon	dymek myśli	myśl	myśleć
thread	nić	igła	nawlekać	szpulka	szycie
thumbs-down	kciuk w dół	brzydkie	nie lubię	nie podoba mi się
thumbs-up	kciuk w górę	brawo	lubię	ok	podoba mi się
ticket	bilet	wstęp
tiger	tygrys
tiger-face	głowa tygrysa	buźka	kot	pyszczek
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
two-hearts	dwa serca	kocham	miłość	serca
two-hump-camel	wielbłąd dwugarbny	baktrian	garby	wielbłąd
umbrella	parasol	deszcz	opady	pada	pogoda
umbrella-on-ground	parasol plażowy wbity w ziemię	deszcz	parasol	pogoda	słońce
umbrella-with-rain-drops	parasol z kroplami deszczu	deszcz	opady	pada	pogoda
unamused-face	niezadowolona twarz	niezadowolona buźka
unicorn	głowa jednorożca	głowa	jednorożec	łeb
unlocked	otwarta kłódka	kłódka	odblokować	otwarta
up-arrow	strzałka w górę	kierunek	północ	strzałka	strzałka do góry
up-down-arrow	strzałka w górę i w dół	dwukierunkowa	góra-dół	strzałka do góry i na dół
up-left-arrow	strzałka w górę w lewo	kierunek	północny zachód	strzałka	strzałka do góry w lewo
up-right-arrow	strzałka w górę w prawo	kierunek	północny wschód	strzałka	strzałka do góry w prawo
upside-down-face	odwrócona twarz	do góry nogami
vampire	wampir	drakula	nieumarli
vertical-traffic-light	pionowa sygnalizacja uliczna	sygnalizacja świetlna
victory-hand	gest V	gest zwycięstwa	znak v	znak victorii
video-camera	kamera wideo	kamera	wideo
video-game	gra wideo	gamepad	pad
videocassette	kaseta wideo	taśma
violin	skrzypce	altówka	instrument	muzyczny	smyczek	strunowy
virgo	Panna	znak zodiaku	zodiak
volcano	wulkan	erupcja	góra
volleyball	siatkówka	gra	piłka
vulcan-salute	salut wolkański	dłoń	palce	spock	wolkański
waffle	gofr	gofrownica
waning-crescent-moon	zanikający półksiężyc	cieniutki księżyc	księżyc	sierp
waning-gibbous-moon	zanikający księżyc między pełnią a ostatnią kwadrą	chudnący	księżyc	księżyc z brzuszkiem	tłusty księżyc
warning	ostrzeżenie	uwaga	wykrzyknik	znak ostrzegawczy
wastebasket	kosz na śmieci	kosz	odpadki	śmieci
water-buffalo	wół domowy	bawół wodny
water-closet	WC	szalet	toaleta	ubikacja	ustęp
water-pistol	pistolet na wodę	broń	broń palna	pistolet	rewolwer
water-wave	fala	fale	morze	ocean	tsunami
watermelon	arbuz	kawałek arbuza	owoc
waving-hand	machająca dłoń	cześć
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
white-flag	biała flaga	flaga	kapitulacja	na wietrze	poddaję się	powiewająca biała flaga
white-flower	biały kwiat	kontury
white-heart	białe serce	białe	serce
white-large-square	duży biały kwadrat	biały	duży	figura geometryczna	kwadrat
white-medium-small-square	mały/średni biały kwadrat	biały	figura geometryczna	kwadracik	kwadrat
white-medium-square	średni biały kwadrat	biały	duży	figura geometryczna	kwadrat	średni
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
wolf	głowa wilka	pysk
womans-boot	kozak damski	kozaczek
womans-clothes	ubranie damskie	damska	ubiór	ubranie
womans-hat	kapelusz damski	damski	kapelusz	nakrycie głowy	ze wstążką
womans-sandal	sandał damski	but	damski	obuwie	sandał
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
yin-yang	yin-yang	religia	tao	taoizm	yang	yin
yo-yo	jojo	gra	zabawka
zany-face	szalona twarz	duże	małe	oko
zebra	zebra
zipper-mouth-face	twarz z zamkiem błyskawicznym na ustach	buzia na kłódkę	nic nie powiem
zombie	zombie	chodzące trupy	nieumarli
zzz	chrapanie	zabawny	żartobliwy
