Glimmora keywords 1
1st-place-medal	guldmedalj	guld	medalj	segrare
2nd-place-medal	silvermedalj	andra plats	medalj	silver
3rd-place-medal	bronsmedalj	brons	medalj	tredje plats
abacus	kulram	beräkning
accordion	dragspel	ackordeon	dragharmonika
adhesive-bandage	plåster	bandage
admission-tickets	inträdesbiljetter	biljett	inträde
aerial-tramway	kabinbana	funifor	gondolbana	linbana
airplane	flygplan	fordon
airplane-arrival	ankomst med flyg	ankomst	flyg	resa
airplane-departure	avgång med flyg	avgång	flyg	resa
alembic	retort	kemi
alien	utomjording	alien	rymdvarelse	saga	ufo
alien-monster	utomjordiskt monster	monster	rymdvarelse	saga	ufo	utomjording
ambulance	ambulans	fordon
american-football	amerikansk fotboll	boll	sport
amphora	amfora	kruka	krus
anatomical-heart	hjärta	kardiologi	organ	puls
anchor	ankare	hopp
anger-symbol	symbol för ilska	arg	ilska
angry-face	argt ansikte	arg
angry-face-with-horns	argt ansikte med horn	djävul
anguished-face	plågat ansikte	lider	ångest
ant	myra	djur	insekt
anxious-face-with-sweat	oroligt svettigt ansikte	blått ansikte	kallsvettig
aquarius	Vattumannen	stjärntecken
aries	Väduren	stjärntecken
articulated-lorry	lastbil	fordon
artist-palette	färgpalett	färger	konst	palett
astonished-face	chockat ansikte	chockad	förvånad
atm-sign	bankomat	bankomatskylt	pengar	uttagsautomat
atom-symbol	symbol för atom	ateist	atom	naturvetenskap
auto-rickshaw	automatisk riksha	bilriksha	motordriven rickshaw	motordriven riksha	tuk-tuk
automobile	bil	fordon
avocado	avokado	frukt	mat
axe	yxa	hacka	hugga	klyva	ved
baby	bebis	baby	liten	ung
baby-angel	bebisängel	saga	ängel
baby-bottle	nappflaska	dryck	flaska	mjölk
baby-chick	kyckling	djur
baby-symbol	bebissymbol	bebis	skötrum
back-arrow	Back med vänsterpil	bakåt	vänsterpil
backhand-index-pointing-down	nedåtpekande finger	finger	peka nedåt	pekfinger
backhand-index-pointing-left	vänsterpekande finger	peka åt vänster	pekfinger
backhand-index-pointing-right	högerpekande finger	peka åt höger	pekfinger
backhand-index-pointing-up	pekfinger upp	finger	peka uppåt	pekfinger
backpack	ryggsäck	skolväska	väska
bacon	bacon	kött	mat
badger	grävling	honungsgrävling	plåga
badminton	badminton	sport
bagel	bagel	bakverk	bröd
baggage-claim	bagagehämtning	bagage
baguette-bread	baguette	bröd	fransk	mat
balance-scale	balansvåg	rättvisa	våg	vågen
ballet-shoes	ballettskor	balett	dans
balloon	ballong	fest
ballot-box-with-ballot	valurna med röstsedel	rösta	val
banana	banan	frukt
banjo	banjo	musik	sträng
bank	bank	byggnad
bar-chart	stapeldiagram	diagram	staplar
barber-pole	barberarstolpe	barberare	frisör	stolpe
baseball	baseboll	sport
basket	korg	jordbruk	picknick	tvätt
basketball	basketboll	basket	boll
bat	fladdermus	djur	vampyr
bathtub	badkar	bad
battery	batteri
beach-with-umbrella	strand med parasoll	parasoll	strand
beaming-face-with-smiling-eyes	strålande ansikte med leende ögon	leende	roligt	skratt
beans	bönor	kidneybönor	mat
bear	björnansikte	björn	djur
beating-heart	bultande hjärta	bultar	hjärta	känslor	kärlek	slår
beaver	bäver	damm
bed	säng	hotell	sömn
beer-mug	ölstop	glas	stop	öl	ölglas
beetle	skalbagge	insekt	småkryp
bell	ringklocka	klocka	ljud
bell-pepper	paprika	grönsak
bell-with-slash	överstruken ringklocka	inget ljud	ljudlös	ringklocka
bento-box	bentolåda	bento	låda
beverage-box	dryckeskartong	dryckesförpackning
bicycle	cykel	fordon
bikini	bikini	badkläder	kläder
billed-cap	skärmmössa	basebollkeps
biohazard	biologisk fara	biologisk	fara	skylt	varning
bird	fågel	djur
birthday-cake	födelsedagstårta	fest	födelsedag	tårta
bison	bisonoxe	buffalo	hjord	visent
biting-lip	biter i läppen	flirtar	nervös	obekväm	orolig	rädd	ängslig
black-bird	koltrast	fågel	korp	kråka	råka	svart
black-cat	svart katt	katt	otur	svart
black-circle	svart cirkel	cirkel	geometrisk
black-flag	svart flagga	flagga
black-heart	svart hjärta	hjärta	ond	svart
black-large-square	stor svart ruta	geometrisk	ruta	svart
black-medium-small-square	mellanliten svart ruta	geometrisk	medelstor svart ruta	ruta	svart
black-medium-square	mellanstor svart ruta	geometrisk	ruta	svart
black-nib	stiftpenna	penna	reservoarpenna	stift
black-small-square	liten svart ruta	ruta	svart
black-square-button	svart fyrkantig knapp	fyrkant	knapp
blossom	blomma	blomster	växt
blowfish	blåsfisk	djur	fisk
blue-book	blå bok	bok
blue-circle	blå cirkel	blå	cirkel	geometrisk
blue-heart	blått hjärta	blå	hjärta
blue-square	blå kvadrat	blå	kvadrat
blueberries	blåbär
boar	vildsvin	djur	svin
bomb	bomb	serietidning
bone	benknota	skelett
bookmark	bokmärke	märke
bookmark-tabs	bokmärkesflikar	bokmärken	flikar	markörer
books	böcker	bok
boomerang	boomerang	australien	bumerang	flyga tillbaka
bottle-with-popping-cork	champagne	bubbel	fest	nyår
bouquet	blombukett	blommor	kärlek
bow-and-arrow	pil och båge	båge	bågskytt	pilbåge	vapen
bowl-with-spoon	skål och sked	flingor	frukost
bowling	bowling	bowlingklot	klot
boxing-glove	boxningshandske	boxning	handske	sport
boy	pojke	kille	ung
brain	hjärna	klok
bread	bröd	limpa
brick	tegelsten	bruk	lera	tegelstenar	vägg
bridge-at-night	bro på natten	bro	natt
briefcase	portfölj	väska
briefs	badbyxor	badkläder	badshorts	simutrustning
broccoli	broccoli	kål
broken-heart	brustet hjärta	brustet	känslor	trasigt hjärta
broom	kvast	häxa	sopa	städa
brown-circle	brun cirkel	brun	cirkel
brown-heart	brunt hjärta	brunt	hjärta
brown-square	brun kvadrat	brun	kvadrat
bubble-tea	bubbelte	mjölk	pärlor	tapiokapärlor	te
bubbles	bubblor	lödder	rap	rent	tvål	under vatten
bucket	spann	hink	kärl	ämbar
bug	tusenfoting	djur	kryp	larv
building-construction	byggarbetsplats	bygge
bullet-train	höghastighetståg	fordon	shinkansen	tgv	tåg
bullseye	mitt i prick	fullträff	pilkastning	rakt på mål
burrito	burrito	fredagsmys	mat	mexikanskt
bus	buss	fordon
bus-stop	busshållplats	buss	hållplats
butter	smör	mjölkprodukt
butterfly	fjäril	insekt	sommar	vacker
cactus	kaktus	växt
calendar	kalender	datum
call-me-hand	ring mig-hand	hand	ring
camel	dromedar	puckel
camera	kamera	video
camera-with-flash	kamera med blixt	blixt	kamera
camping	camping	tält
cancer	Kräftan	stjärntecken
candle	stearinljus	levande ljus	ljus
candy	godis	karamell
canned-food	konserv	burk	konservburk
canoe	kanot	båt
capricorn	Stenbocken	stjärntecken
card-file-box	kartotek	låda
card-index	kortregister	register
card-index-dividers	indexflikar	flikar	index	kort	pärmflikar
carousel-horse	karusellhäst	häst	karusell
carp-streamer	karpvindstrut	fest	japan	karp	vindstrut
carpentry-saw	fogsvans	snickare	såg	trä	verktyg
carrot	morot	grönsak	mat	rotfrukt
castle	slott	europeiskt slott
cat	katt	djur
cat-face	kattansikte	djur	katt
cat-with-tears-of-joy	kattansikte med glädjetårar	glädje	katt med glädjetårar	kattansikte	tårar
cat-with-wry-smile	kattansikte med snett leende	ironiskt leende	kattansikte	leende
chains	kedjor	kedja
chair	stol	sitta	säte
chart-decreasing	nedåtgående trend	diagram	graf
chart-increasing	uppåtgående trend	diagram	graf
check-box-with-check	kryssruta med bockmarkering	avbockad	bock	kryssruta	kryssruta med bock
check-mark	bockmarkering	avbockad	bock
check-mark-button	vit bockmarkering	bock	vit fet bockmarkering
cheese-wedge	ostbit	ost
chequered-flag	schackrutig flagga	flagga	racing	schackrutig
cherries	körsbär	frukt
cherry-blossom	körsbärsblomma	blomma	körsbär
chess-pawn	schackbonde	schack	utbytbar
chestnut	kastanj	växt
chicken	höna	fågel
child	barn	könsneutral	ung
children-crossing	passerande barn	barn	passerar	symbol
chipmunk	jordekorre	djur
chocolate-bar	chokladkaka	choklad	chokladbit	godis
chopsticks	ätpinnar
christmas-tree	julgran	gran	högtid	jul
church	kyrka	byggnad	kristen
circus-tent	cirkustält	cirkus	tält
cityscape	stadsbild	höga hus	skyskrapa	storstad
cityscape-at-dusk	stad i skymning	byggnader	kväll	skymning	solnedgång	stadsvy
clamp	skruvtving	tving	verktyg
clapper-board	filmklappa	film	klappa
clapping-hands	klappande händer	klappa	klappa händer
classical-building	klassisk byggnad	byggnad	sevärdhet
clinking-beer-mugs	skålande ölstop	glas	skål	skålande ölglas	öl
clinking-glasses	skålande glas	dryck	fira	glas	skål
clipboard	skrivplatta	clipboard	urklipp
clockwise-vertical-arrows	vertikala pilar medurs	pilar	pilar medurs	uppdateringssymbol
closed-book	stängd bok	bok
closed-mailbox-with-lowered-flag	stängd brevlåda med sänkt flagga	post
closed-mailbox-with-raised-flag	stängd brevlåda med hissad flagga	post
closed-umbrella	hopfällt paraply	paraply
cloud	moln	väder
cloud-with-lightning	moln med blixt	moln	oväder	väder
cloud-with-lightning-and-rain	moln med regn och blixtar	moln	oväder	väder
cloud-with-rain	regnmoln	moln	regn	väder
cloud-with-snow	moln med snö	moln	snö	väder
clown-face	clownansikte	ansikte	clown	pajas
club-suit	klöver	färg	kort
clutch-bag	kuvertväska	accessoar	clutch
coat	jacka	kavaj
cockroach	kackerlacka	insekt	skadedjur
cocktail-glass	cocktailglas	cocktail	drink
coconut	kokosnöt	palm	piña colada
cold-face	kallt ansikte	blått ansikte	frostbiten	frusen	istappar	kall
collision	explosion	kollision	serietidning	smäll
comet	komet	rymden
compass	kompass	magnetisk	navigation	orientering
computer-disk	datordiskett	dator	optisk	skiva
computer-mouse	datormus	dator	mus
confetti-ball	konfettiboll	boll	fest	konfetti
confounded-face	förvirrat ansikte	förvirrad
confused-face	förbryllat ansikte	förbryllad
construction	skylt för byggområde	bygge
control-knobs	reglagevred	musik	reglage
convenience-store	jourbutik	affär	butik	byggnad
cooked-rice	kokt ris	ris
cookie	kaka	desert	efterrätt	småbröd
cooking	matlagning	laga mat
copyright	upphovsrättssymbol	copyright	upphovsrätt
coral	korall	ocean	rev
couch-and-lamp	soffa och lampa	hotell	lampa	soffa
counterclockwise-arrows-button	pilar moturs	moturs	pilar
cow	ko	djur	kossa
cow-face	koansikte	djur	ko
cowboy-hat-face	ansikte med cowboyhatt	ansikte	cowboy	cowgirl	hatt
crab	krabba	kräfta	skaldjur	stjärntecken
crayon	krita
crescent-moon	månskära	måne
cricket	syrsa	gräshoppa
cricket-game	cricket	sport
crocodile	krokodil	djur
croissant	croissant	bröd	fransk	mat
cross-mark	rött kryss	kryss	x
cross-mark-button	vitt kryss i ruta	kryss	x i ruta
crossed-fingers	korsade fingrar	finger	hand	korsa	lycka
crossed-flags	korsade flaggor	fest	flaggor	japanska	korsade
crossed-swords	korslagda svärd	korsade	svärd	vapen
crown	krona	drottning	kung	kungakrona
crutch	krycka	funktionsnedsättning	handikapp	käpp	mobilitetshjälpmedel	skadad
crying-cat	gråtande kattansikte	gråter	kattansikte
crying-face	gråtande ansikte	gråter	ledsen
crystal-ball	kristallkula	framtiden	spåkula
cucumber	gurka	grönsak	mat
cup-with-straw	mugg med sugrör	juice	läskedryck
cupcake	muffin	bakelse	bakverk
curling-stone	curlingsten	spel	sten
curly-loop	ögla	kurva	slinga
curry-rice	curry och ris	curry	ris
custard	brylépudding	efterrätt
customs	tull	tullkontroll
cut-of-meat	styckdel	fläskkotlett	lammkotlett	stek
cyclone	cyklon	tromb	tyfon	vind	väder
dagger	dolk	kniv	vapen
dango	dango	efterrätt	japan
dashing-away	fartsymbol	springa	springer iväg
deaf-man	hörselskadad man	hörselskadad	man
deaf-person	hörselskadad person	döv	hörsel	tillgänglighet	öra
deaf-woman	hörselskada kvinna	hörselskadad	kvinna
deciduous-tree	lövträd	lövfällande	träd
deer	hjort	djur
delivery-truck	budbil	fordon	skåpbil
department-store	varuhus	butik
derelict-house	fallfärdigt hus	förfallet	hus	öde	ödehus
desert	öken	torrt	varmt
desert-island	öde ö	ö	öde
desktop-computer	stationär dator	dator	pc
diamond-suit	ruter	färg	kort
diamond-with-a-dot	diamantform med en prick	blomblad	diamant	diamantform	känslor
disappointed-face	besviket ansikte	besvikelse	besviken
disguised-face	maskerat ansikte	anonym	ansikte	förklädnad	glasögon	inkognito	mask	näsa
diving-mask	dykmask	dyka	snorkla
diya-lamp	diyalampa	diya	lampa	oljelampa
dizzy	omtumlad	serietidning	stjärna	yr
dna	DNA	biolog	evolution	gen	genetik	liv
dodo	dront	mauritius	stor	utrotad
dog	hund	djur	valp
dog-face	hundansikte	djur	hund
dolphin	delfin	djur
donkey	åsna	djur	däggdjur	envis	mula
door	dörr
dotted-line-face	osynligt ansikte	deprimerad	försvinner	gömd	introvert	osynlig
dotted-six-pointed-star	sexuddig stjärna med prick	spådom	stjärna
double-curly-loop	dubbel ögla	öglor
doughnut	munk	donut
dove	duva	fred	fågel
down-arrow	nedåtpil	nedåt	pil	riktning	söder	väderstreck
down-left-arrow	nedåtpil vänster	nedåt	pil	vänster
down-right-arrow	nedåtpil höger	höger	nedåt	pil
downcast-face-with-sweat	nedslaget kallsvettigt ansikte	svettig
dragon	drake	djur
dragon-face	drakansikte	djur	drake
dress	klänning	kläder
drooling-face	dreglande ansikte	ansikte	dreglar
drop-of-blood	blodsdroppe	ge blod	medicin	menstruation
droplet	droppe	kallsvettig	svettdroppe	svettig	vattendroppe
drum	trumma	musik	trumpinnar
duck	and	fågel
dumpling	dumpling	degknyte	empanada	gyōza	jiaozi	pirog
dvd	dvd-skiva	bluray-skiva
e-mail	e-post	brev	e-postsymbol	kommunikation	mail	mejl
eagle	örn	fågel
ear	öra	kropp
ear-of-corn	majskolv	majs
ear-with-hearing-aid	öra med hörapparat
egg	ägg	mat
eggplant	aubergine	grönsak	äggplanta
eight-pointed-star	åttauddig stjärna	stjärna	åttauddig
eight-spoked-asterisk	åttauddig spetsig stjärna	spetsig	stjärna	åttauddig
electric-plug	elkontakt	kontakt
elephant	elefant	djur
elevator	hiss	lift	tillgång	vinsch
elf	alv	magisk
empty-nest	tomt bo	ruva
end-arrow	End med högerpil	framåt	högerpil
enraged-face	plutande ansikte	arg	plutande	rasande	röd i ansiktet	sur
envelope	kuvert	brev	e-post	e-postmeddelande	mail	mejl
envelope-with-arrow	kuvert med pil	e-post	kuvert	mejl	pil	skickat	utgående
evergreen-tree	barrträd	gran	träd	vintergrön
ewe	tacka	får
exploding-head	exploderande huvud	chockad
expressionless-face	uttryckslöst ansikte	ingen kommentar
eye	öga	kropp
eye-in-speech-bubble	öga i pratbubbla	pratbubbla	vittne	öga
eyes	ögon	öga
face-blowing-a-kiss	ansikte ger en slängkyss	hjärta	puss	slängkyss
face-exhaling	ansikte andas ut
face-holding-back-tears	ansikte som håller tillbaka tårarna	arg	gråter	ledsen	stolt	tårar i ögonen
face-in-clouds	ansikte i moln	disträ	glömsk	tanksprid
face-savoring-food	ansikte som njuter av god mat	god mat	gott	leende ansikte	smakar gott
face-screaming-in-fear	ansikte som skriker av fasa	livrädd	rädd	skriker
face-vomiting	kräkande ansikte	ansikte som kräks	illamående	kräker	kräkning	kräks
face-with-crossed-out-eyes	omtumlat ansikte	omtumlad	yr
face-with-diagonal-mouth	ansikte med diagonal mun	besviken	osäker	skeptisk
face-with-hand-over-mouth	ansikte med handen för munnen	hoppsan
face-with-head-bandage	ansikte med bandage på huvudet	ansikte	ansikte med bandage	bandage	skadad
face-with-medical-mask	ansikte med munskydd	läkare	munskydd	sjuk
face-with-monocle	ansikte med monokel	gammaldags	torr
face-with-open-eyes-and-hand-over-mouth	ansikte med ögonen öppna och handen för munnen	förvånad	generad	misstro	rädd	överraskad	överväldigad
face-with-open-mouth	förvånat ansikte	förvånad	öppen mun
face-with-peeking-eye	ansikte med kikande öga	fängslad	kikar	stirrar
face-with-raised-eyebrow	ansikte med höjt ögonbryn	ansikte	skeptisk	tveksam
face-with-rolling-eyes	ansikte som himlar med ögonen	ansikte	himlar med ögonen
face-with-spiral-eyes	ansikte med spiralögon	fara	hypnotiserad	yrsel
face-with-steam-from-nose	ansikte med ånga ur näsan	seger	triumf
face-with-symbols-on-mouth	ansikte med symboler på munnen	svär
face-with-tears-of-joy	ansikte med glädjetårar	glädjetårar
face-with-thermometer	ansikte med termometer	ansikte	sjuk	termometer
face-with-tongue	ansikte räcker ut tungan	ansikte	räcker ut tungan	tunga
face-without-mouth	ansikte utan mun	ingen mun
factory	fabrik	byggnad
fairy	fé	oberon	puck	titania	älva
falafel	falafel	kikärter	köttbulle
fallen-leaf	fallande löv	faller	fallna löv	höst	löv
fax-machine	fax	kommunikation
fearful-face	skrämt ansikte	rädd	skräckinjagat ansikte
feather	fågelfjäder	fjäder	fjäderdräkt	fågel	lätt
ferris-wheel	pariserhjul	karusell	nöjespark
ferry	färja	båt	passagerare
field-hockey	landhockey	landhockeyklubba	sport
file-cabinet	dokumentskåp	dokument	skåp
file-folder	arkivmapp	arkiv	mapp
film-frames	filmnegativ	film	negativ
film-projector	filmprojektor	film	projektor
fire	eld	brinner	flamma
fire-engine	brandbil	fordon
fire-extinguisher	brandsläckare	eld	kväva	släcka
firecracker	smällare	dynamit	fyrverkeri	sprängämne
fireworks	fyrverkerier	firande	högtid
first-quarter-moon	tilltagande halvmåne	kvarts	måne
first-quarter-moon-face	tilltagande halvmåne med ansikte	ansikte	gubben i månen	halvmåne	månansikte	måne
fish	fisk	fiskarna	stjärntecken
fish-cake-with-swirl	fiskkaka	fisk	snurrad fiskkaka
fishing-pole	fiskespö	fisk	fiska	fiskespö och fisk	spö
flag-argentina	flagga: Argentina	AR	flagga
flag-australia	flagga: Australien	AU	flagga
flag-austria	flagga: Österrike	AT	flagga
flag-belgium	flagga: Belgien	BE	flagga
flag-brazil	flagga: Brasilien	BR	flagga
flag-bulgaria	flagga: Bulgarien	BG	flagga
flag-canada	flagga: Kanada	CA	flagga
flag-chile	flagga: Chile	CL	flagga
flag-china	flagga: Kina	CN	flagga
flag-colombia	flagga: Colombia	CO	flagga
flag-croatia	flagga: Kroatien	HR	flagga
flag-cuba	flagga: Kuba	CU	flagga
flag-czechia	flagga: Tjeckien	CZ	flagga
flag-denmark	flagga: Danmark	DK	flagga
flag-egypt	flagga: Egypten	EG	flagga
flag-estonia	flagga: Estland	EE	flagga
flag-european-union	flagga: Europeiska unionen	EU	flagga
flag-finland	flagga: Finland	FI	flagga
flag-france	flagga: Frankrike	FR	flagga
flag-germany	flagga: Tyskland	DE	flagga
flag-greece	flagga: Grekland	GR	flagga
flag-hungary	flagga: Ungern	HU	flagga
flag-iceland	flagga: Island	IS	flagga
flag-in-hole	flagga i hål	golf	golfflagga	hål
flag-india	flagga: Indien	IN	flagga
flag-ireland	flagga: Irland	IE	flagga
flag-israel	flagga: Israel	IL	flagga
flag-italy	flagga: Italien	IT	flagga
flag-jamaica	flagga: Jamaica	JM	flagga
flag-japan	flagga: Japan	JP	flagga
flag-kenya	flagga: Kenya	KE	flagga
flag-latvia	flagga: Lettland	LV	flagga
flag-lithuania	flagga: Litauen	LT	flagga
flag-luxembourg	flagga: Luxemburg	LU	flagga
flag-mexico	flagga: Mexiko	MX	flagga
flag-morocco	flagga: Marocko	MA	flagga
flag-netherlands	flagga: Nederländerna	NL	flagga
flag-new-zealand	flagga: Nya Zeeland	NZ	flagga
flag-nigeria	flagga: Nigeria	NG	flagga
flag-norway	flagga: Norge	NO	flagga
flag-peru	flagga: Peru	PE	flagga
flag-poland	flagga: Polen	PL	flagga
flag-portugal	flagga: Portugal	PT	flagga
flag-romania	flagga: Rumänien	RO	flagga
flag-serbia	flagga: Serbien	RS	flagga
flag-slovakia	flagga: Slovakien	SK	flagga
flag-slovenia	flagga: Slovenien	SI	flagga
flag-south-africa	flagga: Sydafrika	ZA	flagga
flag-south-korea	flagga: Sydkorea	KR	flagga
flag-spain	flagga: Spanien	ES	flagga
flag-sweden	flagga: Sverige	SE	flagga
flag-switzerland	flagga: Schweiz	CH	flagga
flag-thailand	flagga: Thailand	TH	flagga
flag-turkiye	flagga: Turkiet	TR	flagga
flag-ukraine	flagga: Ukraina	UA	flagga
flag-united-kingdom	flagga: Storbritannien	GB	flagga
flag-united-nations	flagga: Förenta Nationerna	UN	flagga
flag-united-states	flagga: USA	US	flagga
flag-vietnam	flagga: Vietnam	VN	flagga
flamingo	flamingo	flambojant	tropisk
flashlight	ficklampa	lampa
flat-shoe	ballerinasko	lågklackad	toffla
flatbread	tunnbröd	naanbröd	pitabröd
fleur-de-lis	fransk lilja	fleur de lys	heraldisk lilja
flexed-biceps	spänd biceps	muskler	stark
floppy-disk	diskett	dator
flower-playing-cards	spelkort med blomma	blomma	kort	kortspel	spelkort
flushed-face	rodnande ansikte	generad	omtumlad
flute	flöjt	blockflöjt	musik	panflöjt	pickolaflöjt
fly	fluga	asätande insekt	sjukdom
flying-disc	frisbee	ultimate
flying-saucer	flygande tefat	ufo
fog	dimma	dimmigt	väder
foggy	dimmigt	dimma
folded-hands	beende händer	be	ber	händer	knäppta händer
folding-hand-fan	solfjäder	blyg	fläkt	fläktar	hett	svalka
fondue	fondue	choklad	gryta	ost	schweiziskt	smältande
foot	fot	sparka	stampa
fork-and-knife	kniv och gaffel	bestick	gaffel	gaffel och kniv	kniv
fork-and-knife-with-plate	tallrik, kniv och gaffel	bestick	dukning	kniv och gaffel	tallrik	äta
fortune-cookie	lyckokaka	profetia
fountain	fontän	springbrunn
fountain-pen	reservoarpenna	penna
four-leaf-clover	fyrklöver	irland	klöver	lycka	tur
fox	rävansikte	ansikte	djur	räv
framed-picture	tavla	bild i ram	konst	museum
french-fries	pommes frites	pommes
fried-shrimp	friterad räka	friterad	räka	tempura
frog	grodansikte	djur	groda
front-facing-baby-chick	kyckling framifrån	fågel	kyckling
frowning-face	ansikte med sur mun	ansikte	sur
frowning-face-with-open-mouth	ogillande ansikte med öppen mun	bister	öppen mun
fuel-pump	bränslepump	bensin	bensinpump	bensinstation	bränsle
full-moon	fullmåne	måne
full-moon-face	fullmåne med ansikte	ansikte	fullmåne	gubben i månen	månansikte	måne
game-die	speltärning	spel	tärning
garlic	vitlök	smaksättning
gear	kugghjul	kugge
gem-stone	ädelsten	diamant	juvel	kärlek
gemini	Tvillingarna	stjärntecken
genie	ande	djinn
ghost	spöke	ansikte	saga
ginger-root	ingefära	krydda	rot	öl
giraffe	giraff	prickar
girl	flicka	jungfru	stjärntecken	tjej	ung
glass-of-milk	mjölkglas	dryck	glas	mjölk
glasses	glasögon	accessoarer	brillor	ögon
globe-showing-americas	jordglob nord- och sydamerika	jorden	jordglob	nord- och sydamerika
globe-showing-asia-australia	jordglob Asien–Australien	asien	australien	jorden
globe-showing-europe-africa	jordglob Europa–Afrika	afrika	europa	jorden
globe-with-meridians	jordglob med meridianer	meridianer
gloves	handske	hand
glowing-star	blänkande stjärna	blänkande	glittrande	gnistrande	stjärna
goal-net	målnät	mål	nät	sport
goat	get	stenbock	stjärntecken
goblin	japanskt troll	ansikte	saga	troll
goggles	simglasögon	simma	svetsning	ögonskydd
goose	gås	dum	fä	fågel	kackel	rolig
gorilla	gorilla	djur
graduation-cap	examenshatt	examen	hatt	högtid
grapes	vindruvor	frukt
green-apple	grönt äpple	frukt	grönt	äpple
green-book	grön bok	bok
green-circle	grön cirkel	cirkel	grön
green-heart	grönt hjärta	grön	hjärta
green-salad	grönsallad	grön	mat	sallad
green-square	grön kvadrat	grön	kvadrat
grey-heart	grått hjärta	grått	hjärta	silver	skiffer
grimacing-face	grimaserande ansikte	grimaserar
grinning-cat	flinande kattansikte	kattansikte	leende	leende katt
grinning-cat-with-smiling-eyes	flinande kattansikte med leende ögon	flin	katt	leende	ögon
grinning-face	ansikte med stort leende	leende	roligt	skratt
grinning-face-with-big-eyes	flinande ansikte med stora ögon	leende	roligt	skratt	öppen mun
grinning-face-with-smiling-eyes	flinande ansikte med leende ögon	leende ögon	roligt	skratt
grinning-face-with-sweat	flinande ansikte med svettdroppe	leende men svettas
grinning-squinting-face	flinande ansikte med kisande ögon	ansikte	leende med stängda ögon	stängda ögon	öppen mun
growing-heart	växande hjärta	hjärta	känslor	kärlek	nervös	upprymd
guide-dog	ledarhund	blindhund	hjälp	hund	service
guitar	gitarr	musik	musikinstrument
hair-pick	afrokam	afro	hår	kam
hamburger	hamburgare	burgare
hammer	hammare	verktyg
hammer-and-pick	hammare och hacka	hacka	hammare	verktyg
hammer-and-wrench	hammare och skiftnyckel	hammare	skiftnyckel	verktyg
hamster	hamsteransikte	djur	hamster
hand-with-fingers-splayed	hand med utspretade fingrar	finger	hand
hand-with-index-finger-and-thumb-crossed	hand med tummen och pekfingret korsade	dyrt	knäppa med fingrarna	pengaprassel	pengar	snäppa med fingrarna
handbag	handväska	accessoar	väska
handshake	handskakning	avtal	hand	möte
hatching-chick	nykläckt kyckling	fågel	kläckt	kyckling
headphone	hörlur	musik
hear-no-evil-monkey	apa hör inget	apa	hör inget
heart-decoration	hjärtdekoration	hjärta
heart-exclamation	utropstecken i form av ett hjärta	hjärta	utropstecken
heart-hands	handhjärta	kärlek
heart-on-fire	brinnande hjärta	besviken	osäker	skeptisk
heart-suit	hjärter	färg	kort
heart-with-arrow	hjärta med pil	hjärta	kärlek	pil
heart-with-ribbon	hjärta med rosett	alla hjärtans dag	hjärta	rosett
hedgehog	igelkott	taggig
helicopter	helikopter	fordon
herb	ört	blad
hibiscus	hibiskus	blomma
high-heeled-shoe	högklackad sko	klack	pumps	sko
high-speed-train	snabbtåg	fordon	tåg
high-voltage	högspänning	fara	hög spänning	spänning	varningssymbol
hiking-boot	vandringskänga	camping	pjäxor	vandring
hindu-temple	hindutempel	hindu	tempel
hippopotamus	flodhäst	hovdjur
hole	hål
hollow-red-circle	tung stor cirkel	cirkel	o	röd
honey-pot	honungsburk	burk	honung
honeybee	bi	djur	geting	insekt
hook	krok	hake	klo	snärja
horizontal-traffic-light	vågräta trafikljus	trafikljus
horse	häst	djur	galopp
horse-face	hästansikte	djur	häst
hospital	sjukhus	byggnad
hot-beverage	varm dryck	dryck	kaffe	te	varm	ångande
hot-dog	varmkorv	korv	mat
hot-face	hett ansikte	febrig	hett	rött ansikte	svett	värmeslag
hot-pepper	chili	peppar	starkt	växt
hot-springs	varma källor	het källa	termalkälla	ångande
hotel	hotell	byggnad
house	hus	byggnad
house-with-garden	hus med trädgård	hus	trädgård
houses	flera hus	byggnader	hus
hundred-points	100 poäng	full pott
hushed-face	hyssjat ansikte	hyssjad	stum	tyst ansikte	överraskad
hut	koja	hydda	kåta
hyacinth	hyacint	blomma	bluebonnet	lavendel	luktärter	lupin
ice	isbit	isberg	kallt
ice-cream	glass	efterrätt
ice-hockey	ishockey	ishockeyklubba och puck	klubba	puck	sport
ice-skate	skridsko	is	sport
inbox-tray	inkorg	kommunikation	mottaget
incoming-envelope	inkommande brev	e-post	kommunikation	kuvert	mottaget brev
index-pointing-at-the-viewer	finger som pekar på mig	du	finger som pekar mot tittaren	mig	peka
index-pointing-up	finger upp	finger	förmaning	peka
jack-o-lantern	lyktgubbe	fest	halloween	lykta	pumpa
japanese-castle	japanskt slott	slott
japanese-dolls	japanska dockor	dockor	festival
japanese-post-office	japanskt postkontor	byggnad	postkontor
japanese-symbol-for-beginner	japansk symbol för nybörjare	grönt och gult blad
jar	burk	behållare	förvaring	krydda	sås	tom
jeans	jeans	byxor	kläder
jellyfish	manet	bränner	brännmanet	hav	nässeldjur	svida
joker	joker	joker-kort	spelkort
joystick	joystick	spak	spel	styrspak
kaaba	kaba	islam	muslim	religion
kangaroo	känguru	australien	hoppa	joey	pungdjur
key	nyckel	lösenord
keyboard	tangentbord	dator
khanda	khanda	religion	sikh
kick-scooter	sparkcykel	cykel	sparka
kimono	kimono	kläder	klänning
kiss-mark	läppavtryck	kyssmärke	kärlek	läppar
kissing-cat	kyssande kattansikte	kattansikte	kysser	stängda ögon
kissing-face	pussande ansikte	puss
kissing-face-with-closed-eyes	pussande ansikte med slutna ögon	glad	puss
kissing-face-with-smiling-eyes	pussande ansikte med leende ögon	glad	puss
kitchen-knife	kökskniv	kniv
kite	flygande drake	flyga	sväva
kiwi-fruit	kiwifrukt	frukt	kiwi	mat
knot	knut	knop	rep	tågvirke
koala	koala	djur	koalabjörn
lab-coat	labbrock	doktor	experiment	vetenskapsman
label	etikett
lacrosse	lacrosse	boll	klubba	mål
ladder	stege	klätterstege	klättra	steg
lady-beetle	nyckelpiga	djur	insekt	skalbagge
laptop	bärbar dator	bärbar	dator	laptop	pc
large-blue-diamond	stor blå diamantform	blå	diamant
large-orange-diamond	stor orange diamantform	diamant	orange
last-quarter-moon	avtagande halvmåne	avtagande måne	halvmåne	måne
last-quarter-moon-face	avtagande halvmåne med ansikte	ansikte	gubben i månen	halvmåne	månansikte	måne
latin-cross	latinskt kors	kors	kristendom	religion
leaf-fluttering-in-wind	löv i vinden	blåser	fladdrande	höst	löv	vind
leafy-green	sallat	bok choy	grönkål	kål	sallad
ledger	liggare	skrivbok
left-arrow	vänsterpil	pil	riktning	väderstreck	väster
left-arrow-curving-right	svängd högerpil	höger	pil	sväng
left-facing-fist	vänstervänd näve	näve	vänster	vänstervänd
left-luggage	kvarlämnat bagage	bagage	bagageservice
left-right-arrow	pil höger och vänster	höger	pil	vänster
left-speech-bubble	pratbubbla åt vänster	pratbubbla
leftwards-hand	hand som pekar till vänster	hand	till vänster	vänster
leftwards-pushing-hand	hand som knuffar åt vänster	high five	stopp	till vänster	trycka	vänta
leg	ben	lem	sparka
lemon	citron	citrusfrukt	frukt
leo	Lejonet	stjärntecken
leopard	leopard	djur
level-slider	nivåreglage	reglage
libra	Vågen	balans	rättvisa	stjärntecken
light-blue-heart	ljusblått hjärta	cyan	himmelsblå	hjärta	ljusblå
light-bulb	glödlampa	elektrisk	fått en idé	lampa
light-rail	snabbspårväg	fordon	lättbana
link	länk	länkar	länksymbol	två ringar
linked-paperclips	länkade gem	gem	ihopsatta gem
lion	lejonansikte	djur	lejon
lipstick	läppstift	makeup	smink
litter-in-bin-sign	soptunna	slänga skräp	symbol
lizard	ödla	kräldjur
llama	lama	alpaca	guanaco	ull	vicuña
lobster	hummer	fisksoppa	klor	skaldjur
locked	låst lås	lås	stängt lås
locked-with-key	lås med nyckel	lås	stängt
locked-with-pen	lås med bläckpenna	bläckpenna	lås
locomotive	ånglok	fordon	lok	lokomotiv	tåg
lollipop	klubba	godis
long-drum	congatrumma	djembe	rytm	takt	trumma
lotion-bottle	lotionflaska	kräm	lotion	shampoo	solkräm
lotus	lotus	blomma	buddhism	hinduism	indien	renhet	vietnam
loudly-crying-face	storgråtande ansikte	gråt	gråter
loudspeaker	handhögtalare	kommunikation
love-hotel	kärlekshotell	byggnad	hotell	hotell med hjärta	kärlek
love-letter	kärleksbrev	brev	brev med hjärta	kärlek
love-you-gesture	jag älskar dig-gest	hand
low-battery	låg batterinivå	elektronik	låg energinivå
luggage	bagage	packning	resa
lungs	lungor	andning	exhalering	inhalering	organ
lying-face	ljugande ansikte	ansikte	lögn	pinocchio
mage	magiker	häxa	trollkarl
magic-wand	trollspö	häxa	magi	trollkarl	trollkonst	trollstav
magnet	magnet	hästsko	magnetisk
magnifying-glass-tilted-left	förstoringsglas som lutar åt vänster	förstoringsglas	förstoringsglas vänster	vänsterpekande
magnifying-glass-tilted-right	förstoringsglas som lutar åt höger	förstoringsglas	förstoringsglas höger	högerpekande
mahjong-red-dragon	mahjong-bricka	drake	röd drake	spelbricka
mammoth	mammut	betar	stor	utrotad
mango	mango	frukt	tropisk frukt
mans-shoe	herrsko	sko	skor
manual-wheelchair	manuell rullstol	tillgänglighet
map-of-japan	karta över Japan	japan	karta
maple-leaf	lönnlöv	höst	löv
maracas	maracas	instrument	musik	skaka	slaginstrument	slagverk
martial-arts-uniform	kampsportdräkt	judo	kampsport	karate	självförsvar	sport	taekwondo
mate	mate-te	dryck
meat-on-bone	köttben	kött	på ben
mechanical-arm	mekanisk arm	bionisk arm	protes
mechanical-leg	mekaniskt ben	bioniskt ben	protes
medical-symbol	medicinsk symbol	aesculapius	medicin	personal
megaphone	megafon	kommunikation
melon	melon	frukt
melting-face	smältande ansikte	flytande	försvinner	smälter	upplöses
memo	kom ihåg-block	anteckningar
mending-heart	läkande hjärta	friskna till	läker	läker sår	repa sig	tillfriskna
menorah	menora	judendom	ljusstake
mens-room	herrtoalett	män	symbol för män	toalett
mermaid	sjöjungfru	sjörå
merman	strömkarl	triton
merperson	vattenväsen	näcken	sjöjungfru	sjörå
metro	tunnelbana	fordon	metro
microbe	mikrob	amöba	bakterie	virus
microphone	mikrofon	karaoke	sjunga
microscope	mikroskop	vetenskap
middle-finger	långfinger upp	finger	hand
military-helmet	militärhjälm	armé	hjälm	krigare	militär	soldat
military-medal	militär medalj	medalj	militär
milky-way	Vintergatan	galax	rymden
minibus	minibuss	buss	fordon
mirror	spegel	reflektor	spegelglas
mirror-ball	discokula	dansa	disco	fest	glitter
mobile-phone	mobiltelefon	mobil	telefon
mobile-phone-with-arrow	mobiltelefon med pil	mobil	ringa	telefon
money-mouth-face	ansikte med dollarögon	ansikte	ansikte med pengamun	pengar
monkey	apa	djur
monkey-face	apansikte	apa	djur
monorail	monorail	balkbana	fordon	tåg
moon-cake	månkaka	festival	höst	månfest
moon-viewing-ceremony	månskådning	japan	månfest
moose	älg	djur	däggdjur	horn
mosque	moské	islam	muslim	religion
mosquito	mygga	insekt	malaria	sjukdom	virus
motor-boat	motorbåt	båt	fordon
motor-scooter	skoter	motor
motorcycle	motorcykel	racing
motorized-wheelchair	eldriven rullstol	tillgänglighet
motorway	motorväg	väg
mount-fuji	Fuji	berg
mountain	berg
mountain-cableway	linbana	gondolbana	kabinbana	skidlift
mountain-railway	bergbana	bergsbana	bergståg	järnväg
mouse	mus	djur
mouse-face	musansikte	djur	mus
mouse-trap	musfälla	bete	fälla	snara
mouth	mun	läppar
movie-camera	filmkamera	film	spela in film
mrs-claus	tomtemor	jul	mor	nisse
mushroom	svamp	växt
musical-keyboard	klaviatur	musik	musikinstrument	piano
musical-note	musiknot	musik	not
musical-notes	musiknoter	musik	not	noter
musical-score	g-klav	musik	noter
muted-speaker	avstängd högtalare	tyst
mx-claus	könsneutral tomte	jul	tomte
nail-polish	nagellack	manikyr	måla naglar	smink
name-badge	namnskylt	namn	skylt
national-park	nationalpark	park
nauseated-face	äcklat ansikte	ansikte	kasta upp	kräks	spy	äcklad
necktie	skjorta med slips	kläder	skjorta	slips
nerd-face	nördansikte	ansikte	glasögon	nörd
nest-with-eggs	bo med ägg	ruva
nesting-dolls	ryska dockor	babuschkadocka	matrjosjka	rysk docka
neutral-face	neutralt ansikte	ingen kommentar	neutral
new-moon	nymåne	måne
new-moon-face	nymåne med ansikte	ansikte	gubben i månen	månansikte	måne	nymåne
newspaper	tidning	nyheter
night-with-stars	stjärnklar natt	natt	stjärnor
no-bicycles	förbud mot trafik med cykel	cyklar förbjudna	fordon	inte tillåtet att cykla
no-entry	förbud mot infart med fordon	infart förbjuden
no-littering	skräpa inte ner	inget skräp	släng inte skräp här	symbol
no-mobile-phones	mobil förbjuden	inga mobiler	inga samtal
no-one-under-eighteen	ej för minderåriga	barnförbjuden	förbjudet	minderåriga	åldersgräns
no-pedestrians	förbud mot gångtrafik	inga fotgängare	inte tillåtet att gå	symbol
no-smoking	rökning förbjuden	rökning	rökning förbjudet	symbol
non-potable-water	ej dricksvatten	odrickbart vatten	symbol
nose	näsa	kropp
notebook	anteckningsbok	skrivbok
notebook-with-decorative-cover	anteckningsbok med dekorativt omslag	anteckningsbok med snyggt omslag	skrivbok
nut-and-bolt	skruv och mutter	mutter	skruv
octopus	bläckfisk	djur
oden	skaldjursspett	skaldjur	spett
office-building	kontorsbyggnad	byggnad	kontor
ogre	japanskt monster	ansikte	japansk demon	monster	saga
oil-drum	oljefat	olja
ok-hand	OK-tecken	hand	ok	tecken
old-key	gammal nyckel	nyckel
old-man	gammal man	gammal	man	vuxen	äldre man
old-woman	gammal kvinna	gammal	kvinna	vuxen	äldre kvinna
older-person	äldre person	gammal	könsneutral	vuxen	äldre
olive	oliv	mat
om	aum-tecken	hinduism	ohm-tecken	religion
on-arrow	ON! med pil höger och vänster ovanför	pil höger och vänster	utropstecken
oncoming-automobile	mötande bil	bil	fordon	mötande
oncoming-bus	mötande buss	buss	fordon	mötande
oncoming-fist	knuten hand	knytnäve
oncoming-police-car	mötande polisbil	fordon	polis	polisbil
oncoming-taxi	mötande taxi	fordon	taxi
one-piece-swimsuit	baddräkt	simdräkt
onion	lök	smaksättning
open-book	öppen bok	bok
open-file-folder	öppen mapp	mapp	öppet arkiv
open-hands	öppna händer	händer	öppna
open-mailbox-with-lowered-flag	öppen brevlåda med sänkt flagga	post
open-mailbox-with-raised-flag	öppen brevlåda med hissad flagga	post
ophiuchus	Ormbäraren	stjärnbild
optical-disk	optisk skiva	bluray-skiva	cd-skiva	dvd-skiva
orange-book	orange bok	bok
orange-circle	orange cirkel	cirkel	orange
orange-heart	hjärta i orange	orange
orange-square	orange kvadrat	kvadrat	orange
orangutan	orangutang	apa
orthodox-cross	ortodoxt kors	kors	kristendom	religion
otter	utter	fiskar	lekfull
outbox-tray	utkorg	kommunikation	skickat
owl	uggla	fågel	vis
ox	oxe	oxen	stjärntecken	tjur
oyster	ostron	dyka	pärlor
package	paket	låda
page-facing-up	sida med text uppåt	dokument	sida	text uppåt
page-with-curl	upprullad sida	dokument
pager	personsökare	kommunikation
paintbrush	målarpensel	pensel
palm-down-hand	handflatan nedåt	avvisa	neka	schas
palm-tree	palm	träd
palm-up-hand	handflatan uppåt	bjuda in	erbjuda	fånga	kalla på
palms-up-together	handflatorna upp	bön
pancakes	pannkakor	crêpes	mat	pannkaka
panda	pandaansikte	djur	panda
paperclip	gem
parachute	fallskärm	fallskärmshopp	hängflygning	parasegling
parrot	papegoja	fågel	pirat	prata
part-alternation-mark	japansk kommatering	japansk	kommatering
party-popper	konfettismällare	fest	partypopper	serpentiner
partying-face	festande ansikte	fest	hatt	kalas	party	tuta
passenger-ship	passagerarfartyg	fartyg	fordon	passagerare
passport-control	passkontroll	kontroll	pass
paw-prints	tassavtryck	djur	tassar
pea-pod	ärtskida	bönor	edamame	grönsaker	ärta
peace-symbol	fredssymbol	fred	peace
peach	persika	frukt
peacock	påfågel	fågel	praktfull	stolt
peanuts	jordnötter	grönsak	jordnöt	mat	nöt
pear	päron	frukt
pen	kulspetspenna
pencil	blyertspenna
penguin	pingvin	fågel
pensive-face	funderande ansikte	funderar	tänker
performing-arts	dans och teater	ansiktsmasker	masker	teater
persevering-face	uthålligt ansikte	besviken	misslyckades	står ut
person	person	könsneutral	vuxen
person-bald	person: skallig	könsneutral	person	skallig	vuxen
person-beard	man med skägg	person med skägg	skägg
person-blond-hair	blond person	blond	människor
person-bowing	bugande person	beklagar	bugar	gest
person-curly-hair	person: lockigt hår	könsneutral	lockigt hår	person	vuxen
person-facepalming	person som slår sig för pannan	ansikte	frustration	handflata	irritation	slå sig för pannan
person-frowning	sur person	person	sur	sur uppsyn
person-gesturing-no	person gestikulerar NEJ	förbjudet	gest	gest för nej
person-gesturing-ok	person gestikulerar OK	gest	gest för ok	hand	okej
person-pouting	plutande person	person som plutar	plutar
person-raising-hand	person som räcker upp handen	person	räcker upp handen
person-red-hair	person: rödhårig	könsneutral	person	rödhårig	vuxen
person-shrugging	person som rycker på axlarna	axelryckning	likgiltighet	okunskap	tvivel
person-tipping-hand	receptionist	information	människor	reception
person-white-hair	person: vithårig	könsneutral	person	vithårig	vuxen
petri-dish	petriskål	bakterie	biolog	biologi	labb
pick	hacka	verktyg
pickup-truck	pickup	lastbil	transportvagn	varubil
pie	paj	deg	fyllnad
pig	gris	so	sugga
pig-face	grisansikte	djur	gris
pig-nose	gristryne	djur	gris	tryne
pile-of-poo	bajshög	avföring	bajs
pill	piller	medicin	tablett
pinata	piñata	fest	kalas
pinched-fingers	fingerportmonnä	fingrar	förhör	handgest	nypa	sarkastisk
pinching-hand	nypande hand	liten mängd
pine-decoration	pinjedekoration	bambu	japanskt	nyår
pineapple	ananas	frukt
ping-pong	bordtennis	pingis	pingpong	sport
pink-heart	rosa hjärta	hjärta	kärlek	rosa	sött	älskar
pirate-flag	sjörövarflagga	pirater	plundra	skatter
pisces	Fiskarna	stjärntecken
pizza	pizzabit	bit	pizza
place-of-worship	plats för tillbedjan	religion	tempel	tillbedjan
playground-slide	rutschbana	leka	lekplats	nöjesfält
pleading-face	bönfallande ansikte	hundögon	nåd	tigga
plunger	vaskrensare	rörmokare	sugkopp	toalett
polar-bear	isbjörn	björn	is	vit
police-car	polisbil	fordon	polis
police-car-light	polisbilslampa	lampa	polisbil	saftblandare
poodle	pudel	djur	hund
pool-8-ball	biljardboll	biljard	åttan
popcorn	popcorn	bio	snacks
post-office	postkontor	byggnad	europeiskt postkontor
postal-horn	postsymbol	posthorn
postbox	postlåda	brevlåda
pot-of-food	gryta	mat	varm gryta
potable-water	dricksvatten	drickbart vatten	symbol
potato	potatis	grönsak	mat
potted-plant	krukväxt	inomhus	odla	växt
poultry-leg	kycklinglår	kyckling	lår
pouring-liquid	hälla vätska	dryck	glas	spilla	tomt
pouting-cat	tjurande katt	katt	tjura
prayer-beads	radband	bön	halsband	religion
pretzel	pretzel	snurrad
printer	skrivare	dator
prohibited	förbjudet	förbudsmarkering
purple-circle	lila cirkel	cirkel	lila
purple-heart	lila hjärta	hjärta	lila
purple-square	lila kvadrat	kvadrat	lila
purse	portmonnä	accessoar
pushpin	kartnål	stift
puzzle-piece	pusselbit	bit	ledtråd	pussel	sammanfoga
rabbit	kanin	djur
rabbit-face	kaninansikte	djur	kanin
raccoon	tvättbjörn	nyfiken	slug
racing-car	racerbil	bil	sport
radio	radio	video
radio-button	alternativknapp	knapp
radioactive	varning för strålrisk	fara	joniserande strålning	radioaktiv	radioaktiva ämnen	strålning	varning
railway-car	tågvagn	fordon	järnväg	tåg
railway-track	räls	järnväg	tåg
rainbow	regnbåge	regn	väder
rainbow-flag	regnbågsflagga	flagga	regnbåge
raised-back-of-hand	höjd handrygg	hand	lyft
raised-fist	knytnäve i luften	hand	knytnäve
raised-hand	hand i luften	hand	handflata	uppräckt
raising-hands	båda händerna i luften	hurra	räcker upp händerna
ram	vädur	bagge	får	stjärntecken
rat	råtta	djur
razor	rakhyvel	raka	vass
recycling-symbol	återvinningssymbol	symbol	återvinning
red-apple	rött äpple	frukt	rött	äpple
red-circle	röd cirkel	cirkel	geometrisk	röd
red-envelope	rött kuvert	hóngbāo	lai see	pengar	present	tur
red-heart	rött hjärta	hjärta	kärlek
red-paper-lantern	röd papperslykta	lykta	restaurang	röd lykta
red-square	röd kvadrat	kvadrat	röd
red-triangle-pointed-down	nedåtpekande röd triangel	röd triangel
red-triangle-pointed-up	uppåtpekande röd triangel	röd triangel
registered	registrerat varumärke	registrerat
relieved-face	lättat ansikte	lättnad
reminder-ribbon	påminnelseband	band	firande
rescue-workers-helmet	räddningsarbetarhjälm	hjälm	hjälm med vitt kors	hjälp	räddningsarbetare	utryckningspersonal
restroom	wc-skylt	toalett	wc
revolving-hearts	snurrande hjärtan	hjärta	känslor	kärlek	snurrar
rhinoceros	noshörning	djur	horn	näsa
ribbon	rosett	fest
rice-ball	risboll	ris	risportion
rice-cracker	riskaka	kex	ris
right-anger-bubble	arg pratbubbla åt höger	arg	pratbubbla
right-arrow	högerpil	pil	riktning	väderstreck	öster
right-arrow-curving-down	svängd nedåtpil	nedåt	pil	sväng
right-arrow-curving-left	svängd vänsterpil	pil	sväng	vänster
right-arrow-curving-up	svängd uppåtpil	pil	sväng	uppåt
right-facing-fist	högervänd näve	höger	högervänd	näve
rightwards-hand	hand som pekar till höger	hand	höger	till höger
rightwards-pushing-hand	hand som knuffar åt höger	high five	stopp	till höger	trycka	vänta
ring	ring	diamant	kärlek	romantik
ring-buoy	livboj	flytetyg	frälsarkrans	livräddning	räddning	säkerhet
ringed-planet	planet med ringar	saturnine	saturnus
roasted-sweet-potato	rostad sötpotatis	rostad potatis	sötpotatis
robot	robotansikte	ansikte	robot
rock	sten	berg	bumling	klippa
rocket	raket	fordon	rymdraket
roll-of-paper	toarulle	pappershanddukar	toalettpapper
rolled-up-newspaper	ihoprullad tidning	ihoprullad	nyheter	tidning
roller-coaster	berg- och dalbana	karusell	nöjespark
roller-skate	rullskridsko
rolling-on-the-floor-laughing	rullar runt på golvet och skrattar	ansikte	golv	rullar	skratt
rooster	tupp	fågel
rose	ros	blomma
rosette	bandros	blomma
round-pushpin	knappnål	nål	stift
rugby-football	rugbyboll	boll	rugby	sport
running-shirt	löparlinne	löpartröja	löpning	träningskläder
running-shoe	gympasko	sko	sneaker
sad-but-relieved-face	besviket men lättat ansikte	besviken	besviken men lättad	lättad
safety-pin	säkerhetsnål	blöja	punkrock
safety-vest	varselväst	nöd	säkerhet	väst
sagittarius	Skytten	stjärntecken
sailboat	segelbåt	båt	segling
sake	sake	dryck	flaska	flaska och kopp med saké	kopp
salt	salt	krydda	saltkar
saluting-face	ansikte som gör honnör	honnör	hälsa	instämma	ja	ok	salutera
sandwich	smörgås	bröd	macka
santa-claus	jultomte	högtid	jul	tomten
sari	sari	kläder	klänning
satellite	satellit	fordon	rymden
satellite-antenna	tv-satellit	antenn	kommunikation	satellit
sauropod	sauropod	brachiosaurus	brontosaurus	diplodocus
saxophone	saxofon	musik	musikinstrument
scarf	halsduk	hals	scarf
school	skola	byggnad	skolbyggnad
scissors	sax	klippa
scorpio	Skorpionen	stjärntecken
scorpion	skorpion	skorpionen	stjärntecken
screwdriver	skruvmejsel	verktyg
scroll	bokrulle	pergament	rulle
seal	säl	sjölejon
seat	flygstol	stol
see-no-evil-monkey	apa ser inget	apa	ser inget
seedling	skott	grodd
selfie	selfie	kamera	telefon
service-dog	servicehund	hjälp	hund	service	tillgång
sewing-needle	synål	broderi	nål	skräddarsy	stygn
shaking-face	skakande ansikte	ansikte	jordbävning	shock	skakande	vibrera
shallow-pan-of-food	stekpanna	mat	paella
shamrock	treklöver	irland
shark	haj	fisk
shaved-ice	kakigōri	dessert	efterrätt	is
sheaf-of-rice	risax	planta	ris	risplanta
shield	sköld	vapen
shinto-shrine	shintohelgedom	religion	shinto
ship	fartyg	båt	fordon
shooting-star	stjärnfall	fallande stjärna
shopping-bags	shoppingpåsar	påsar	shopping
shopping-cart	shoppingvagn	handla	inköp	shopping	vagn
shortcake	tårtbit	kaka	kakbit	tårta
shorts	shorts	badbyxor	badkläder	underkläder
shower	dusch	vatten
shrimp	räka	liten	mat	skaldjur
shushing-face	hyssjande ansikte	tyst
sign-of-the-horns	djävulstecknet	hand	horn	hårdrock
skateboard	skateboard	bräda
skis	skidor	skidor och stavar
skull	dödskalle	döskalle
skull-and-crossbones	dödskalle med ben i kors	dödskalle	pirater
skunk	skunk	stank
sled	kälke	släde
sleeping-face	sovande ansikte	sover
sleepy-face	sömnigt ansikte	sömnig	trött
slightly-frowning-face	ansikte med lite sur mun	ansikte	sur
slightly-smiling-face	småleende ansikte	ansikte	leende	ler
slot-machine	enarmad bandit	spel	spelautomat	spelmaskin
sloth	sengångare	lat	långsam
small-airplane	litet flygplan	flygplan	fordon
small-blue-diamond	liten blå romb	blå	diamant
small-orange-diamond	liten orange diamantform	diamant	orange
smiling-cat-with-heart-eyes	leende kattansikte med hjärtformade ögon	kattansikte	kärlek	leende
smiling-face	leende ansikte	smiley
smiling-face-with-halo	leende ansikte med gloria	gloria	leende
smiling-face-with-heart-eyes	leende ansikte med hjärtformade ögon	hjärta	kärlek
smiling-face-with-hearts	leende ansikte med tre hjärtan	förtjust	kär
smiling-face-with-horns	leende ansikte med horn	horn	leende
smiling-face-with-open-hands	ansikte som kramas	ansikte	kramas	leende
smiling-face-with-smiling-eyes	leende ansikte och ögon	glad
smiling-face-with-sunglasses	leende ansikte med solglasögon	cool	leende	solglasögon
smiling-face-with-tear	tårögt leende ansikte	berörd	leende	lättad	stolt	tacksam	tår
smirking-face	halvleende ansikte	flin	flinande ansikte	småleende ansikte
snail	snigel	djur
snake	orm	djur
sneezing-face	nysande ansikte	ansikte	nysa	prosit
snow-capped-mountain	snöklätt berg	berg	kallt	snö
snowflake	snöflinga	snö
snowman	snögubbe	snö	snöar
snowman-without-snow	snögubbe utan snö	snö	snögubbe
soap	tvål	bada	duscha	lödder	skål	tvålbit
soccer-ball	fotboll	boll	sport
socks	sockor	strumpa
soft-ice-cream	mjukglass	efterrätt	glass
softball	softboll	boll	handske	underarm
soon-arrow	Soon med högerpil ovanför	högerpil	pil
spade-suit	spader	färg	kort
spaghetti	spagetti	mat	pasta
sparkle	glittra	gnistra
sparkler	glittrande fyrverkeri	fyrverkerier	högtid
sparkles	gnistrande stjärnor	gnistrar	stjärnor
sparkling-heart	gnistrande hjärta	känslor	kärlek	upprymd
speak-no-evil-monkey	apa säger inget	apa	säger inget
speaker-high-volume	högtalare med hög volym	högtalare	volym
speaker-low-volume	högtalare	högtalare med låg volym	låg volym
speaker-medium-volume	högtalare med medium volym	högtalare	volym
speech-balloon	pratbubbla	bubbla	dialogbubbla
speedboat	racerbåt	båt	fordon
spider	spindel	djur	insekt
spider-web	spindelnät	nät	spindel
spiral-calendar	spiralbunden kalender	kalender	månadskalender
spiral-notepad	anteckningsblock	anteckningar	block	spiralblock
spiral-shell	snäcka	djur	snäckskal
sponge	tvättsvamp	mjuk	rengörande
spoon	sked	bestick
sport-utility-vehicle	SUV	bil	fordon
sports-medal	sportmedalj	medalj	sport
spouting-whale	val som sprutar vatten	djur	val	vatten
squid	mindre bläckfisk	bläck	bläckfisk	mat	skaldjur
squinting-face-with-tongue	ansikte räcker ut tungan med stängda ögon	räcker ut tungan med stängda ögon	tunga	äckligt
stadium	stadion
star	stjärna	vit medelstor stjärna
star-and-crescent	stjärna och halvmåne	halvmåne	islam	muslim	religion
star-of-david	davidsstjärna	jude	judendom	religion	stjärna
star-struck	stjärnögt ansikte	ansikte	stjärnsmäll
station	tågstation	station	tåg
statue-of-liberty	Frihetsgudinnan	new york	staty
steaming-bowl	skål nudelsoppa	nudlar	rykande	skål	soppa
stethoscope	stetoskop	doktor	hjärta	medicin
stop-sign	stoppskylt	skylt	stopp	åttakantig
straight-ruler	linjal	rak
strawberry	jordgubbe	bär	frukt
studio-microphone	studiomikrofon	mikrofon	sjunga
stuffed-flatbread	pitabröd	falafel	gyro	kebab	mat	pita
sun	sol	strålar	väder
sun-behind-cloud	sol bakom moln	moln	sol	sol med moln
sun-behind-large-cloud	sol bakom stort moln	moln	sol	väder
sun-behind-rain-cloud	sol bakom moln med regn	moln	regn	sol	väder
sun-behind-small-cloud	sol bakom litet moln	moln	sol	väder
sun-with-face	sol med ansikte	ansikte	sol
sunflower	solros	blomma
sunglasses	solglasögon	glasögon
sunrise	soluppgång	morgonsol
sunrise-over-mountains	soluppgång över berg	berg	morgonsol	soluppgång	soluppgång vid berg
sunset	solnedgång	byggnader	skymning	solnedgång över stad
superhero	superhjälte	god	hjälte	hjältinna	superkraft	superkrafter
supervillain	superskurk	brottsling	elak	ond	skurk	superkraft	superkrafter
sushi	sushi
suspension-railway	hängbana	fordon
swan	svan	den fula ankungen	fågel
sweat-droplets	stänkande svett	serietidning	svett	svettig
synagogue	synagoga	judisk	religion	tempel
syringe	spruta	nål	sjukvård
t-rex	T-rex	tyrannosaurus rex
t-shirt	t-shirt	kläder	tröja
taco	taco	fredagsmys	mat	mexikanskt
takeout-box	hämtmatkartong	takeout box
tamale	tamale	mexikanskt	wrap
tanabata-tree	tanabataträd	fest	japansk festival	pappersremsor	träd	träd med pappersremsor
tangerine	mandarin	citrusfrukt	frukt
taurus	Oxen	stjärntecken
taxi	taxi	fordon
teacup-without-handle	tekopp	te	varm dryck
teapot	tekanna	dryck	kanna	te
tear-off-calendar	avdragbar kalender	datum	kalender
teddy-bear	nallebjörn	gosedjur	leksak	mjukdjur
telephone	telefon
telephone-receiver	telefonlur	kommunikation	telefon
telescope	teleskop	kikare	stjärnkikare
television	tv	television	video
tennis	tennis	boll	tennisboll	tennisrack och boll	tennisracket och boll
tent	tält	camping
test-tube	provrör	experiment	kemi	kemist	labb	vetenskap
thermometer	termometer	väder
thinking-face	ansikte som tänker	ansikte	tänker
thong-sandal	flip-flops	remsko	sandaler
thought-balloon	tankebubbla	bubbla	funderar
thread	tråd	nål	spole	trådrulle
thumbs-down	tummen ned	ner	ogilla	tumme
thumbs-up	tummen upp	gillar	tumme	upp
ticket	biljett	inträde
tiger	tiger	djur
tiger-face	tigeransikte	djur	tiger
tired-face	trött ansikte	trött
toilet	toalett
tokyo-tower	Tokyo Tower	tokyo	torn	torn i tokyo
tomato	tomat	grönsak
tongue	tunga	kropp
toolbox	verktygslåda	låda	mekaniker	verktyg
tooth	tand	tandläkare
toothbrush	tandborste	borste	ren	tandhygien	tvätta	tänder
top-arrow	Top med uppåtpil	pil	uppåtpil
top-hat	hög hatt	hatt
tornado	tornado	virvelvind	väder
trackball	styrkula	dator	mus
tractor	traktor	fordon
trade-mark	skyddat varumärke	varumärke
train	tåg	fordon	järnväg
tram	spårvagn	fordon
tram-car	spårvagnsvagn	fordon	spårvagn
transgender-flag	transflagga	flagga	transgender
triangular-flag	trekantig flagga	flagga
triangular-ruler	rätvinklig linjal	linjal	triangel
trident-emblem	treudd	hav
troll	troll	fantasy	monster	saga	sägen
trolleybus	trådbuss	buss	fordon
trophy	pokal	pris
tropical-drink	tropisk drink	drink	tropisk
tropical-fish	tropisk fisk	djur	fisk	tropisk
trumpet	trumpet	musik	musikinstrument
tulip	tulpan	blomma
tumbler-glass	whiskyglas	brännvin	glas	shot	sprit	whisky
turkey	kalkon	fågel
turtle	sköldpadda	havssköldpadda	padda
two-hearts	två hjärtan	känslor	kärlek
two-hump-camel	kamel	puckel	pucklar
umbrella	paraply	accessoar	regn	väder
umbrella-on-ground	parasoll på marken	paraply	parasoll	sol	väder
umbrella-with-rain-drops	paraply med regndroppar	accessoar	paraply	regn	väder
unamused-face	missnöjt ansikte	inte glad	missnöjd
unicorn	enhörningsansikte	djur	enhörning
unlocked	öppet lås	lås	olåst
up-arrow	uppåtpil	norr	pil	riktning	väderstreck
up-down-arrow	pil upp och ned	nedåt	pil	uppåt
up-left-arrow	uppåtpil vänster	pil	uppåt	vänster
up-right-arrow	uppåtpil höger	höger	pil	uppåt
upside-down-face	upp-och-nervänt ansikte	ansikte	upp-och-ner
vampire	vampyr	drakula	vandöd
vertical-traffic-light	lodräta trafikljus	trafikljus
victory-hand	v-tecken	seger
video-camera	videokamera	kamera	video
video-game	tv-spel	kontroll	spel	tv-spelskontroll
videocassette	videokassett	vhs	video	videoband
violin	fiol	musik	musikinstrument	violin
virgo	Jungfrun	stjärntecken
volcano	vulkan	vulkanutbrott
volleyball	volleyboll	sport
vulcan-salute	vulcan-hälsning	hand	spock	star trek	vulcan
waffle	våffla	våffeldagen	våffeljärn
waning-crescent-moon	måne i fjärde kvarteret	avtagande måne	kvartsmåne	måne	månskära
waning-gibbous-moon	måne i tredje kvarteret	måne	tilltagande
warning	varning	fara	se upp	skylt	utropstecken	varningstecken
wastebasket	papperskorg	skräp	sopor	soptunna
water-buffalo	vattenbuffel	djur
water-closet	WC	toalett	uthus
water-pistol	vattenpistol	leksakspistol	pistol	revolver	vapen
water-wave	våg	havsvåg
watermelon	vattenmelon	frukt	melon
waving-hand	vinkande hand	hand	vinka
waxing-crescent-moon	måne i första kvarteret	kvartsmåne	måne	månskära	tilltagande måne
waxing-gibbous-moon	måne i andra kvarteret	halvmåne till fullmåne	tilltagande måne
weary-cat	uttröttat kattansikte	förvånad	katt	uttröttad
weary-face	uttröttat ansikte	uttröttad
wedding	bröllop	kyrka	kärlek
whale	val	djur
wheel	hjul	cirkel	däck	rulla
wheel-of-dharma	livets hjul	buddhist	hjul	livshjul	religion
wheelchair-symbol	rullstolssymbol	rullstol	symbol	tillgänglighet
white-cane	blindkäpp	blind	tillgänglighet
white-circle	vit cirkel	cirkel	geometrisk
white-flag	vit flagga	flagga
white-flower	vit blomma	blomma
white-heart	vitt hjärta	hjärta	vitt
white-large-square	stor vit ruta	geometrisk	ruta
white-medium-small-square	mellanliten vit ruta	geometrisk	medelstor vit ruta	ruta	vit
white-medium-square	mellanstor vit ruta	geometrisk	ruta	vit
white-small-square	liten vit ruta	ruta	vit
white-square-button	vit fyrkantig knapp	fyrkant	knapp
wilted-flower	vissnad blomma	blomma	torkad	vissen
wind-chime	vindspel	fest	japan
wind-face	blåser vind	blåser	vind	väder
window	fönster	genomskinlig	ram	utsikt	öppning
wine-glass	vinglas	dryck	glas	vin
wing	vinge	flyger	fågel	mytologi	änglalik
winking-face	ansikte som blinkar med ögonen	blinkar med ögonen	blinkning	flört	skämt
winking-face-with-tongue	blinkande ansikte räcker ut tungan	blinkande ansikte	räcker ut tungan och blinkar
wolf	vargansikte	djur	varg
womans-boot	damstövel	sko	stövel
womans-clothes	blus	damkläder	kläder
womans-hat	damhatt	hatt
womans-sandal	damsandal	sandal	sko
womens-room	damtoalett	kvinnor	symbol för kvinnor	toalett
wood	trästockar	stock	timmerstock	trä	trästock	ved
woozy-face	yrt ansikte	ostadig blick	på örat	påverkad	vågig mun	yr
world-map	världskarta	karta	världen
worm	mask	daggmask	parasit	ringmask
worried-face	bekymrat ansikte	bekymrad	orolig
wrapped-gift	inslagen present	fest	gåva	inslagen	present
wrench	skiftnyckel	verktyg
writing-hand	hand som skriver	hand	skriver
x-ray	röntgen	ben	läkare	medicin	skelett	undersökning
yarn	garn	garnnystan	sticka	virka
yawning-face	gäspande ansikte	gäspa	trött	uttråkad
yellow-circle	gul cirkel	cirkel	gul
yellow-heart	gult hjärta	gul	hjärta
yellow-square	gul kvadrat	gul	kvadrat
yin-yang	yin och yang	religion	tao	taoist	yang	yin
yo-yo	jojo	jojare	snöre	trissa
zany-face	tokigt ansikte	liten	stor	öga
zebra	zebra	ränder
zipper-mouth-face	ansikte som tiger	ansikte	dragkedja	hemlighet
zombie	zombie	levande död	odöd	vandöd
zzz	snarkningar	snarkar	sömnig	trött	zzz
