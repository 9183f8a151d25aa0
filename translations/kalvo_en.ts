<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="sl">
<context>
    <name>Kalvo</name>
    <message>
        <source>Predlogi za doslednost so le za kriterije, ki primerjajo po parih.</source>
        <translation>Consistency advice is only for criteria that compare in pairs.</translation>
    </message>
    <message>
        <source>Za matriko reda %1 ni slučajnega indeksa: njene doslednosti ni mogoče presoditi.</source>
        <translation>There is no random index for a matrix of order %1: its consistency cannot be judged.</translation>
    </message>
    <message>
        <source>Predlogi za doslednost so za sodbe enega presojevalca; to matriko presoja skupina.</source>
        <translation>Consistency advice is for the judgements of one judge; this matrix is judged by a group.</translation>
    </message>
    <message>
        <source>Predlogi za doslednost potrebujejo vse primerjave: matrika ima neprimerjane pare. Najprej jih primerjajte.</source>
        <translation>Consistency advice needs every comparison: the matrix has pairs not compared. Compare them first.</translation>
    </message>
    <message>
        <source>V matriki si %1 nista obratni, zato predlogov ni mogoče dati. Popravite eno od njiju.</source>
        <translation>In the matrix, %1 are not reciprocal, so no advice can be given. Correct one of them.</translation>
    </message>
    <message>
        <source>Kriterij »%1« nima podkriterijev: občutljivosti ni mogoče izračunati.</source>
        <translation>Criterion “%1” has no sub-criteria: its sensitivity cannot be computed.</translation>
    </message>
    <message>
        <source>Matrika %1x%1</source>
        <translation>Matrix %1x%1</translation>
    </message>
    <message>
        <source>CR= –</source>
        <translation>CR= –</translation>
    </message>
    <message>
        <source>Vektor</source>
        <translation>Vector</translation>
    </message>
    <message>
        <source>Absolutne vrednosti</source>
        <translation>Absolute values</translation>
    </message>
    <message>
        <source>Manj je bolje</source>
        <translation>Less is better</translation>
    </message>
    <message>
        <source>Več je bolje</source>
        <translation>More is better</translation>
    </message>
    <message>
        <source>Soglasje udeležencev: %1 % (%2)</source>
        <translation>Consensus of the participants: %1 % (%2)</translation>
    </message>
    <message>
        <source>Neprimerjani pari: %1</source>
        <translation>Pairs not compared: %1</translation>
    </message>
    <message>
        <source>. Naslednja primerjava: »%1« : »%2«</source>
        <translation>. Next comparison: “%1” : “%2”</translation>
    </message>
    <message>
        <source>Občutljivost: %1
</source>
        <translation>Sensitivity: %1
</translation>
    </message>
    <message>
        <source>Najboljša rešitev: %1 (%2)
</source>
        <translation>Best solution: %1 (%2)
</translation>
    </message>
    <message>
        <source>Ni rešitev.
</source>
        <translation>No solutions.
</translation>
    </message>
    <message>
        <source>
%1
  utež %2</source>
        <translation>
%1
  weight %2</translation>
    </message>
    <message>
        <source>, najboljša ostane od %1 do %2</source>
        <translation>, the best stays from %1 to %2</translation>
    </message>
    <message>
        <source>  pri %1 se zamenjata %2 in %3
</source>
        <translation>  at %1, %2 and %3 change places
</translation>
    </message>
    <message>
        <source>  … in še %1 zamenjav
</source>
        <translation>  … and %1 more changes of place
</translation>
    </message>
    <message>
        <source>
Najbolj občutljiv: %1, utež %2 → %3 (sprememba %4)
</source>
        <translation>
Most sensitive: %1, weight %2 → %3 (change %4)
</translation>
    </message>
    <message>
        <source>
Nobena sprememba ene uteži ne spremeni najboljše rešitve.
</source>
        <translation>
No change of one weight changes the best solution.
</translation>
    </message>
    <message>
        <source>Sodbe so dovolj dosledne; predlogov ni.
</source>
        <translation>The judgements are consistent enough; there is no advice.
</translation>
    </message>
    <message>
        <source>CR po spremembah: %1
</source>
        <translation>CR after the changes: %1
</translation>
    </message>
    <message>
        <source>Izpisa ni mogoče zapisati na standardni izhod.</source>
        <translation>The output cannot be written to standard output.</translation>
    </message>
    <message>
        <source>Modela »%1« ni.</source>
        <translation>There is no model “%1”.</translation>
    </message>
    <message>
        <source>Kriterija »%1« ni v modelu.</source>
        <translation>There is no criterion “%1” in the model.</translation>
    </message>
    <message>
        <source>Dokument »%1«</source>
        <translation>Document “%1”</translation>
    </message>
    <message>
        <source>celica (%1, %2)</source>
        <translation>cell (%1, %2)</translation>
    </message>
    <message>
        <source>Nobena primerjava ne povezuje %1 z ostalimi postavkami, zato uteži niso določene. Primerjajte vsaj en par med njimi in ostalimi.</source>
        <translation>No comparison connects %1 with the other items, so the weights are not determined. Compare at least one pair between them and the others.</translation>
    </message>
    <message>
        <source>zelo nizko</source>
        <translation>very low</translation>
    </message>
    <message>
        <source>nizko</source>
        <translation>low</translation>
    </message>
    <message>
        <source>zmerno</source>
        <translation>moderate</translation>
    </message>
    <message>
        <source>visoko</source>
        <translation>high</translation>
    </message>
    <message>
        <source>zelo visoko</source>
        <translation>very high</translation>
    </message>
    <message>
        <source>Nimam vrednosti slučajnega indexa za to dimenzijo matrike!</source>
        <translation>There is no random index value for this dimension of the matrix!</translation>
    </message>
    <message>
        <source>Negativna vrednost »%1« ni dovoljena.</source>
        <translation>The negative value “%1” is not allowed.</translation>
    </message>
    <message>
        <source>Matrika reda %1 je prevelika za primerjave po parih (največ %2 elementov). Kriterij z več elementi naj ima absolutne vrednosti.</source>
        <translation>A matrix of order %1 is too large for pairwise comparisons (at most %2 items). A criterion with more items should have absolute values.</translation>
    </message>
    <message>
        <source>vrednost %1</source>
        <translation>value %1</translation>
    </message>
    <message>
        <source>celici (%1, %2) in (%2, %1) (%3 in %4)</source>
        <translation>cells (%1, %2) and (%2, %1) (%3 and %4)</translation>
    </message>
    <message>
        <source>Ni primerjano; dopolnjeno iz ostalih primerjav</source>
        <translation>Not compared; completed from the other comparisons</translation>
    </message>
    <message>
        <source>Manj je boljše</source>
        <translation>Less is better</translation>
    </message>
    <message>
        <source>Več je boljše</source>
        <translation>More is better</translation>
    </message>
    <message>
        <source> - Relativna razmerja</source>
        <translation> - Relative ratios</translation>
    </message>
    <message>
        <source> - Absolutne vrednosti - manj je boljše</source>
        <translation> - Absolute values - less is better</translation>
    </message>
    <message>
        <source> - Absolutne vrednosti - več je boljše</source>
        <translation> - Absolute values - more is better</translation>
    </message>
    <message>
        <source>Negativna vrednost ni dovoljena!</source>
        <translation>A negative value is not allowed!</translation>
    </message>
    <message>
        <source>»%1« ni število; vrednost ni spremenjena.</source>
        <translation>“%1” is not a number; the value is not changed.</translation>
    </message>
    <message>
        <source>Vrednost 0 ni dovoljena!</source>
        <translation>The value 0 is not allowed!</translation>
    </message>
    <message>
        <source>Kriterij »%1« presoja skupina: njegova razmerja so izračunana iz sodb udeležencev, zato jih tu ni mogoče spreminjati.</source>
        <translation>Criterion “%1” is judged by a group: its ratios are computed from the participants&apos; judgements, so they cannot be changed here.</translation>
    </message>
    <message>
        <source>Kriterija »%1« udeleženci ne presojajo.</source>
        <translation>The participants do not judge criterion “%1”.</translation>
    </message>
    <message>
        <source>razmerje %1 : %2</source>
        <translation>ratio %1 : %2</translation>
    </message>
    <message>
        <source>ni primerjano %1 : %2</source>
        <translation>not compared %1 : %2</translation>
    </message>
    <message>
        <source>predlogi za doslednost %1</source>
        <translation>consistency advice %1</translation>
    </message>
    <message>
        <source>dodaj kriterij %1</source>
        <translation>add criterion %1</translation>
    </message>
    <message>
        <source>izloči kriterij %1</source>
        <translation>remove criterion %1</translation>
    </message>
    <message>
        <source>popravi kriterij %1</source>
        <translation>edit criterion %1</translation>
    </message>
    <message>
        <source>preimenuj kriterij %1</source>
        <translation>rename criterion %1</translation>
    </message>
    <message>
        <source>dodaj rešitev %1</source>
        <translation>add solution %1</translation>
    </message>
    <message>
        <source>preimenuj rešitev %1</source>
        <translation>rename solution %1</translation>
    </message>
    <message>
        <source>označi rešitev %1</source>
        <translation>mark solution %1</translation>
    </message>
    <message>
        <source>odstrani rešitev %1</source>
        <translation>remove solution %1</translation>
    </message>
    <message>
        <source>odstrani vse rešitve</source>
        <translation>remove all solutions</translation>
    </message>
    <message>
        <source>dodaj udeleženca %1</source>
        <translation>add participant %1</translation>
    </message>
    <message>
        <source>preimenuj udeleženca %1</source>
        <translation>rename participant %1</translation>
    </message>
    <message>
        <source>utež udeleženca %1</source>
        <translation>weight of participant %1</translation>
    </message>
    <message>
        <source>odstrani udeleženca %1</source>
        <translation>remove participant %1</translation>
    </message>
    <message>
        <source>Kriterij »%1«</source>
        <translation>Criterion “%1”</translation>
    </message>
    <message>
        <source>Preglednice »%1« ni mogoče zapisati: %2</source>
        <translation>The spreadsheet “%1” cannot be written: %2</translation>
    </message>
    <message>
        <source>ni pomnilnika ali začasne datoteke</source>
        <translation>no memory or temporary file</translation>
    </message>
    <message>
        <source>ime lista »%1« ni dovoljeno</source>
        <translation>the sheet name “%1” is not allowed</translation>
    </message>
    <message>
        <source>Datoteka »%1« je poškodovana: %2</source>
        <translation>The file “%1” is damaged: %2</translation>
    </message>
    <message>
        <source>%1 (znak %2)</source>
        <translation>%1 (character %2)</translation>
    </message>
    <message>
        <source>ni dodatek modela Kalvo (&quot;format&quot;: &quot;%1&quot;).</source>
        <translation>it is not a Kalvo model companion (&quot;format&quot;: &quot;%1&quot;).</translation>
    </message>
    <message>
        <source>različica %1 ni znana (ta program bere različico 1).</source>
        <translation>version %1 is not known (this program reads version 1).</translation>
    </message>
    <message>
        <source>&quot;criteria&quot; ni seznam.</source>
        <translation>&quot;criteria&quot; is not a list.</translation>
    </message>
    <message>
        <source>&quot;participants&quot; ni seznam.</source>
        <translation>&quot;participants&quot; is not a list.</translation>
    </message>
    <message>
        <source>participants[%1] nima imena ali pa ima negativno utež.</source>
        <translation>participants[%1] has no name or has a negative weight.</translation>
    </message>
    <message>
        <source>%1.index ni pozicija kriterija.</source>
        <translation>%1.index is not the position of a criterion.</translation>
    </message>
    <message>
        <source>Datoteka »%1«: %2 (»%3«) se ne ujema s kriterijem na tem mestu; njegovi neprimerjani pari so izpuščeni.</source>
        <translation>File “%1”: %2 (“%3”) does not match the criterion at that place; its pairs not compared are left out.</translation>
    </message>
    <message>
        <source>%1.blank[%2] ni par postavk r &lt; c med 1 in %3.</source>
        <translation>%1.blank[%2] is not a pair of items r &lt; c between 1 and %3.</translation>
    </message>
    <message>
        <source>%1.judgements[%2] ne ustreza udeležencu ali redu matrike %3.</source>
        <translation>%1.judgements[%2] does not match a participant or the matrix order %3.</translation>
    </message>
    <message>
        <source>Datoteka »%1«, vrstica %2</source>
        <translation>File “%1”, line %2</translation>
    </message>
    <message>
        <source>Napačna raven %1 v vrstici %2 datoteke »%3«: »%4« je več kot eno raven globlje od kriterija pred njim.</source>
        <translation>Wrong level %1 in line %2 of file “%3”: “%4” is more than one level deeper than the criterion before it.</translation>
    </message>
    <message>
        <source>Neveljaven red matrike »%1« v vrstici %2 datoteke »%3«.</source>
        <translation>Invalid matrix order “%1” in line %2 of file “%3”.</translation>
    </message>
    <message>
        <source>Vaša nastavitev formata decimalnih štavil je neustrezna! Format mora biti oblike 1.000,23 ali 1,000.23!</source>
        <translation>Your setting of the decimal number format is not suitable! The format must be 1.000,23 or 1,000.23!</translation>
    </message>
    <message>
        <source>Kriterij »%1«: %2</source>
        <translation>Criterion “%1”: %2</translation>
    </message>
    <message>
        <source>Sodbe v zrcalnih celicah si morajo biti obratne (3:1 in 1:3), te pa niso, zato CR zanje ne pove ničesar:
</source>
        <translation>The judgements in mirrored cells must be reciprocal (3:1 and 1:3); these are not, so the CR says nothing about them:
</translation>
    </message>
    <message>
        <source>Model »%1«</source>
        <translation>Model “%1”</translation>
    </message>
    <message>
        <source>Za to ni dovolj pomnilnika.</source>
        <translation>There is not enough memory for this.</translation>
    </message>
    <message>
        <source>Datoteka »%1«, vrstica %2%3: %4</source>
        <translation>File “%1”, line %2%3: %4</translation>
    </message>
    <message>
        <source>, stolpec »%1«</source>
        <translation>, column “%1”</translation>
    </message>
    <message>
        <source>besedilo ni v kodiranju UTF-8.</source>
        <translation>the text is not encoded in UTF-8.</translation>
    </message>
    <message>
        <source>ni glave.</source>
        <translation>there is no header.</translation>
    </message>
    <message>
        <source>ni stolpec oblike »pot kriterija: A : B« za kriterij modela.</source>
        <translation>it is not a column of the form “criterion path: A : B” for a criterion of the model.</translation>
    </message>
    <message>
        <source>kriterij ne primerja po parih.</source>
        <translation>the criterion does not compare in pairs.</translation>
    </message>
    <message>
        <source>kriterij nima dveh različnih postavk s temi imeni.</source>
        <translation>the criterion does not have two different items of these names.</translation>
    </message>
    <message>
        <source>ni stolpca »Ime«.</source>
        <translation>there is no column “Ime”.</translation>
    </message>
    <message>
        <source>ime udeleženca je prazno.</source>
        <translation>the participant&apos;s name is empty.</translation>
    </message>
    <message>
        <source>»%1« ni razmerje (na primer 3:1 ali 1:5).</source>
        <translation>“%1” is not a ratio (for example 3:1 or 1:5).</translation>
    </message>
    <message>
        <source>ni nobenega udeleženca.</source>
        <translation>there is no participant.</translation>
    </message>
    <message>
        <source>Kodna stran Windows-1250 ni na voljo.</source>
        <translation>The Windows-1250 code page is not available.</translation>
    </message>
    <message>
        <source>Besedila »%1« ni mogoče zapisati v kodni strani Windows-1250.</source>
        <translation>The text “%1” cannot be written in the Windows-1250 code page.</translation>
    </message>
    <message>
        <source>Datoteke ni mogoče odpreti</source>
        <translation>The file cannot be opened</translation>
    </message>
    <message>
        <source>Datoteke ni mogoče prebrati</source>
        <translation>The file cannot be read</translation>
    </message>
    <message>
        <source>Datoteke ni mogoče ustvariti</source>
        <translation>The file cannot be created</translation>
    </message>
    <message>
        <source>Datoteke ni mogoče zapisati</source>
        <translation>The file cannot be written</translation>
    </message>
    <message>
        <source>Datoteke ni mogoče shraniti</source>
        <translation>The file cannot be saved</translation>
    </message>
    <message>
        <source>Kriteriji</source>
        <translation>Criteria</translation>
    </message>
    <message>
        <source>Opozorilo</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source> Naslednja primerjava: »%1« : »%2«.</source>
        <translation> Next comparison: “%1” : “%2”.</translation>
    </message>
    <message>
        <source>Uteži niso določene</source>
        <translation>Weights not determined</translation>
    </message>
    <message numerus="yes">
        <source>%n udeležencev</source>
        <translation>
            <numerusform>%n participant</numerusform>
            <numerusform>%n participants</numerusform>
        </translation>
    </message>
    <message>
        <source>Skupina: tehtana geometrična sredina sodb udeležencev. Sodbe spreminjate, ko izberete udeleženca.</source>
        <translation>Group: the weighted geometric mean of the participants’ judgements. Choose a participant to change judgements.</translation>
    </message>
    <message>
        <source>Vrednost še ni vnesena (za zdaj 1)</source>
        <translation>No value typed yet (1 for now)</translation>
    </message>
    <message>
        <source>Izpisa ni bilo mogoče pripraviti za tisk.</source>
        <translation>The report could not be prepared for printing.</translation>
    </message>
    <message>
        <source>Izpisa ni bilo mogoče natisniti.</source>
        <translation>The report could not be printed.</translation>
    </message>
    <message>
        <source>popravi udeleženca %1</source>
        <translation>edit participant %1</translation>
    </message>
    <message>
        <source>Anketa »%1«</source>
        <translation>Survey “%1”</translation>
    </message>
    <message>
        <source>Model »%1« pravkar shranjuje drug program (%2). Poskusite znova.</source>
        <translation>Another program is saving the model “%1” right now (%2). Try again.</translation>
    </message>
    <message>
        <source>Shranjevanje modela »%1« je bilo prekinjeno, ko so bile datoteke že zapisane; zdaj je dokončano: model je tak, kot je bil shranjen.</source>
        <translation>Saving the model “%1” was interrupted after its files were written; it is finished now: the model is as it was saved.</translation>
    </message>
    <message>
        <source>Shranjevanje modela »%1« je bilo prekinjeno, preden so bile datoteke zapisane; model je tak, kot je bil pred njim.</source>
        <translation>Saving the model “%1” was interrupted before its files were written; the model is as it was before that save.</translation>
    </message>
    <message>
        <source>Model »%1« ni shranjen: datoteka »%2« ni dodatek modela Kalvo, shranjevanje pa bi jo nadomestilo. Premaknite jo ali model shranite pod drugim imenom.</source>
        <translation>The model “%1” is not saved: the file “%2” is not a Kalvo model companion, and saving would replace it. Move it, or save the model under another name.</translation>
    </message>
    <message>
        <source>Datoteka »%1« ni dodatek modela Kalvo: model je prebran brez nje, shranjevanje pa je ne nadomesti.</source>
        <translation>The file “%1” is not a Kalvo model companion: the model is read without it, and saving does not replace it.</translation>
    </message>
    <message>
        <source>na tem mestu je mapa</source>
        <translation>there is a folder in its place</translation>
    </message>
    <message>
        <source>Prekinjenega shranjevanja ni mogoče dokončati</source>
        <translation>The interrupted save cannot be finished</translation>
    </message>
    <message>
        <source>vsebina ni ta, ki jo je shranjevanje zapisalo</source>
        <translation>its content is not what the save wrote</translation>
    </message>
    <message>
        <source>ni ne nove datoteke ne njene začasne kopije</source>
        <translation>there is neither the new file nor its temporary copy</translation>
    </message>
    <message>
        <source>Datoteke ni mogoče odstraniti</source>
        <translation>The file cannot be removed</translation>
    </message>
    <message>
        <source>Uvoz ne piše čez dokument, ki ga bere (»%1«): izberite drugo ime modela.</source>
        <translation>The import does not write over the document it reads (“%1”): choose another name for the model.</translation>
    </message>
    <message>
        <source>Model »%1« že obstaja; --force ga nadomesti.</source>
        <translation>The model “%1” exists already; --force replaces it.</translation>
    </message>
    <message>
        <source> Presodi naj ga kdo od udeležencev: %1.</source>
        <translation> One of the participants should judge it: %1.</translation>
    </message>
    <message>
        <source>»%1« in »%2« nista razmerje in njegova obratna vrednost.</source>
        <translation>“%1” and “%2” are not a ratio and its reciprocal.</translation>
    </message>
    <message>
        <source>Utež udeleženca je število od 0 do %1.</source>
        <translation>A participant’s weight is a number from 0 to %1.</translation>
    </message>
    <message>
        <source>Vsaj en udeleženec mora imeti utež nad 0, sicer nihče ne presoja.</source>
        <translation>At least one participant must have a weight above 0, or nobody judges.</translation>
    </message>
    <message>
        <source>narekovaj, odprt v vrstici %1, ni nikoli zaprt.</source>
        <translation>a quote opened in line %1 is never closed.</translation>
    </message>
    <message>
        <source>%1.judgements: udeleženci niso našteti (&quot;participants&quot;).</source>
        <translation>%1.judgements: the participants are not listed (&quot;participants&quot;).</translation>
    </message>
    <message>
        <source>%1.judgements[%2].ratios[%3] ni besedilo razmerja.</source>
        <translation>%1.judgements[%2].ratios[%3] is not a ratio text.</translation>
    </message>
    <message>
        <source>%1: »%2« ni sodba, kot jo zapiše okno razmerja (1 na diagonali, razmerje in obratna vrednost v paru ali par prazen v obe smeri).</source>
        <translation>%1: “%2” is not a judgement as the ratio dialog writes it (1 on the diagonal, a ratio and its reciprocal in a pair, or the pair blank both ways).</translation>
    </message>
    <message>
        <source>besedilo vsebuje znak NUL.</source>
        <translation>the text holds a NUL character.</translation>
    </message>
    <message>
        <source>Datoteka »%1«: %2</source>
        <translation>File “%1”: %2</translation>
    </message>
    <message>
        <source>stolpec z istim imenom je že prej.</source>
        <translation>a column of the same name comes before.</translation>
    </message>
    <message>
        <source>ta par sprašuje že stolpec »%1«.</source>
        <translation>the column “%1” asks this pair already.</translation>
    </message>
    <message>
        <source>polj je %1, glava pa jih ima %2.</source>
        <translation>there are %1 fields, and the header has %2.</translation>
    </message>
    <message>
        <source>ime vsebuje kontrolni znak.</source>
        <translation>the name holds a control character.</translation>
    </message>
    <message>
        <source>»%1« je že v vrstici %2.</source>
        <translation>“%1” is in line %2 already.</translation>
    </message>
    <message>
        <source>utež mora biti število od 0 do %1.</source>
        <translation>the weight must be a number from 0 to %1.</translation>
    </message>
    <message>
        <source>vse uteži so 0: nihče ne presoja.</source>
        <translation>every weight is 0: nobody judges.</translation>
    </message>
    <message>
        <source>Nobena preiskana sprememba ne doseže CR %1; to so tiste, ki ga najbolj znižajo.</source>
        <translation>No change searched reaches CR %1; these lower it most.</translation>
    </message>
    <message>
        <source>Potrebnih je več kot dve spremembi; morda obstaja krajša pot.</source>
        <translation>More than two changes are needed; there may be a shorter way.</translation>
    </message>
    <message>
        <source>idealni način</source>
        <translation>ideal mode</translation>
    </message>
    <message>
        <source>distributivni način</source>
        <translation>distributive mode</translation>
    </message>
    <message>
        <source>&quot;mode&quot; ni &quot;distributive&quot; ali &quot;ideal&quot;.</source>
        <translation>&quot;mode&quot; is neither &quot;distributive&quot; nor &quot;ideal&quot;.</translation>
    </message>
    <message>
        <source>Odlično</source>
        <translation>Excellent</translation>
    </message>
    <message>
        <source>Zelo dobro</source>
        <translation>Very good</translation>
    </message>
    <message>
        <source>Dobro</source>
        <translation>Good</translation>
    </message>
    <message>
        <source>Zadovoljivo</source>
        <translation>Fair</translation>
    </message>
    <message>
        <source>Slabo</source>
        <translation>Poor</translation>
    </message>
    <message>
        <source>Kriterij z ocenami nima podkriterijev.</source>
        <translation>A ratings criterion has no sub-criteria.</translation>
    </message>
    <message>
        <source>Ocene %1 ni na lestvici.</source>
        <translation>Intensity %1 is not on the scale.</translation>
    </message>
    <message>
        <source>ocena %1: %2</source>
        <translation>rating %1: %2</translation>
    </message>
    <message>
        <source>ni ocenjeno</source>
        <translation>not rated</translation>
    </message>
    <message>
        <source>dodaj oceno %1</source>
        <translation>add intensity %1</translation>
    </message>
    <message>
        <source>preimenuj oceno %1</source>
        <translation>rename intensity %1</translation>
    </message>
    <message>
        <source>Lestvica ocen ima vsaj dve oceni.</source>
        <translation>A rating scale has at least two intensities.</translation>
    </message>
    <message>
        <source>odstrani oceno %1</source>
        <translation>remove intensity %1</translation>
    </message>
    <message>
        <source>premakni oceno %1</source>
        <translation>move intensity %1</translation>
    </message>
    <message>
        <source>Datoteka »%1«: %2 (»%3«) se ne ujema s kriterijem na tem mestu; njegova lestvica ocen je izpuščena.</source>
        <translation>File “%1”: %2 (“%3”) does not match the criterion at that place; its rating scale is left out.</translation>
    </message>
    <message>
        <source>Število ponovitev mora biti od 1 do 1.000.000.</source>
        <translation>The number of runs must be from 1 to 1,000,000.</translation>
    </message>
    <message>
        <source>Razpon sodb mora biti od 0 do 4.</source>
        <translation>The spread of the judgements must be from 0 to 4.</translation>
    </message>
    <message>
        <source>Vzorčiti je mogoče le udeležence skupine; model jih nima.</source>
        <translation>Only a group’s participants can be resampled; the model has none.</translation>
    </message>
    <message>
        <source>prva: %1</source>
        <translation>first: %1</translation>
    </message>
    <message>
        <source>združevanje sodb %1</source>
        <translation>combining judgements by %1</translation>
    </message>
    <message>
        <source>&quot;group_method&quot; ni &quot;aij&quot;, &quot;aip&quot; ali &quot;aip-arithmetic&quot;.</source>
        <translation>&quot;group_method&quot; is not &quot;aij&quot;, &quot;aip&quot; or &quot;aip-arithmetic&quot;.</translation>
    </message>
    <message>
        <source>Model nima kriterijev.</source>
        <translation>The model has no criteria.</translation>
    </message>
    <message>
        <source>%1 ponovitev (uporabljenih %2), tok naključij %3, razpon %4
</source>
        <translation>%1 runs (%2 used), random stream %3, spread %4
</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>Vizitka</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Verzija: 1.3.1.6</source>
        <translation>Version: 1.3.1.6</translation>
    </message>
    <message>
        <source>Študentska verzija</source>
        <translation>Student edition</translation>
    </message>
    <message>
        <source>© 2026 razvijalci programa Kalvo</source>
        <translation>© 2026 the developers of Kalvo</translation>
    </message>
    <message>
        <source>Avtor: razvojna skupina Kalvo</source>
        <translation>Author: the Kalvo development team</translation>
    </message>
    <message>
        <source>Mentor: skupnost uporabnikov AHP</source>
        <translation>Mentor: the community of AHP users</translation>
    </message>
    <message>
        <source>Sodelavec: ogrodje Qt</source>
        <translation>Contributor: the Qt framework</translation>
    </message>
</context>
<context>
    <name>TAdviceDialog</name>
    <message>
        <source>Predlogi za doslednost</source>
        <translation>Consistency advice</translation>
    </message>
    <message>
        <source>Uporabi</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Prekliči</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Razveljavi zadnje predloge</source>
        <translation>Undo the last advice</translation>
    </message>
    <message>
        <source>CR je %1: sodbe so dovolj dosledne, predlogov ni.</source>
        <translation>CR is %1: the judgements are consistent enough, there is no advice.</translation>
    </message>
    <message>
        <source>CR je danes %1, po teh spremembah bo %2.</source>
        <translation>CR is %1 today; after these changes it will be %2.</translation>
    </message>
    <message>
        <source> Predlogi so le predlogi: presodite jih sami.</source>
        <translation> Advice is only advice: judge it yourself.</translation>
    </message>
    <message>
        <source>Uteži: </source>
        <translation>Weights: </translation>
    </message>
</context>
<context>
    <name>TAnalysisHandler</name>
    <message>
        <source>Uvozi anketo</source>
        <translation>Import survey</translation>
    </message>
    <message>
        <source>Anketa (*.csv *.CSV)</source>
        <translation>Survey (*.csv *.CSV)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>uvozi anketo %1 (%2)</source>
        <translation>import survey %1 (%2)</translation>
    </message>
    <message>
        <source>Jezik se spremeni ob naslednjem zagonu programa.</source>
        <translation>The language changes when the program starts again.</translation>
    </message>
    <message>
        <source>Uvozi odgovore</source>
        <translation>Import answers</translation>
    </message>
    <message>
        <source>Odgovori (*.csv *.CSV)</source>
        <translation>Answers (*.csv *.CSV)</translation>
    </message>
    <message>
        <source>uvozi odgovore (%1)</source>
        <translation>import answers (%1)</translation>
    </message>
</context>
<context>
    <name>TCriterionHandler</name>
    <message>
        <source>Dodaj kriterij</source>
        <translation>Add criterion</translation>
    </message>
    <message>
        <source>Popravi kriterij</source>
        <translation>Edit criterion</translation>
    </message>
</context>
<context>
    <name>TFileHandler</name>
    <message>
        <source>Izvozi rezultate</source>
        <translation>Export results</translation>
    </message>
    <message>
        <source>Preglednica Excel (*.xlsx)</source>
        <translation>Excel spreadsheet (*.xlsx)</translation>
    </message>
    <message>
        <source>Preglednica Excel z matrikami (*.xlsx)</source>
        <translation>Excel spreadsheet with matrices (*.xlsx)</translation>
    </message>
    <message>
        <source>Besedilo CSV (*.csv)</source>
        <translation>CSV text (*.csv)</translation>
    </message>
    <message>
        <source>Izvozi vprašalnik</source>
        <translation>Export questionnaire</translation>
    </message>
    <message>
        <source>Vprašalnik (*.html)</source>
        <translation>Questionnaire (*.html)</translation>
    </message>
</context>
<context>
    <name>TFormIzpis</name>
    <message>
        <source>Izpis</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Izpisa »%1« ni bilo mogoče prikazati.</source>
        <translation>The report “%1” could not be shown.</translation>
    </message>
    <message>
        <source>&amp;Natisni</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;Predogled strani</source>
        <translation>Print pre&amp;view</translation>
    </message>
    <message>
        <source>Shrani kot &amp;PDF</source>
        <translation>Save as &amp;PDF</translation>
    </message>
    <message>
        <source>Nastavitev &amp;strani</source>
        <translation>Page &amp;setup</translation>
    </message>
    <message>
        <source>&amp;Izhod</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>V&amp;sebina </source>
        <translation>&amp;Contents </translation>
    </message>
    <message>
        <source>&amp;Vizitka</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>&amp;Dokument</source>
        <translation>&amp;Document</translation>
    </message>
    <message>
        <source>&amp;Pomoc</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Shrani kot PDF</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>TFormKalvo</name>
    <message>
        <source>Kalvo - študentska verzija</source>
        <translation>Kalvo - student edition</translation>
    </message>
    <message>
        <source>Seznam kriterijev</source>
        <translation>List of criteria</translation>
    </message>
    <message>
        <source>Dvoklik odpre naslednjo primerjavo</source>
        <translation>A double click opens the next comparison</translation>
    </message>
    <message>
        <source>Prikaz razmerja</source>
        <translation>Ratios shown</translation>
    </message>
    <message>
        <source>Skupina</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>&amp;Razveljavi</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Uveljavi</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Dodaj kriterij</source>
        <translation>Add criterion</translation>
    </message>
    <message>
        <source>Dodaj rešitev</source>
        <translation>Add solution</translation>
    </message>
    <message>
        <source>&amp;Nov model</source>
        <translation>&amp;New model</translation>
    </message>
    <message>
        <source>Nov model</source>
        <translation>New model</translation>
    </message>
    <message>
        <source>&amp;Odpri model</source>
        <translation>&amp;Open model</translation>
    </message>
    <message>
        <source>Odpri model</source>
        <translation>Open model</translation>
    </message>
    <message>
        <source>&amp;Shrani</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Shrani model</source>
        <translation>Save model</translation>
    </message>
    <message>
        <source>&amp;Shrani model kot</source>
        <translation>Save model &amp;as</translation>
    </message>
    <message>
        <source>Shrani model kot</source>
        <translation>Save model as</translation>
    </message>
    <message>
        <source>&amp;Izvozi rezultate...</source>
        <translation>&amp;Export results...</translation>
    </message>
    <message>
        <source>Izvozi s&amp;liko rezultatov...</source>
        <translation>Export results as &amp;picture...</translation>
    </message>
    <message>
        <source>I&amp;zhod</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Razveljavi</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Uveljavi</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>&amp;Dodaj</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>&amp;Izloci</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>Izloci kriterij</source>
        <translation>Remove criterion</translation>
    </message>
    <message>
        <source>&amp;Preimenuj</source>
        <translation>Re&amp;name</translation>
    </message>
    <message>
        <source>&amp;Odstrani</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>Odstrani rešitev</source>
        <translation>Remove solution</translation>
    </message>
    <message>
        <source>Odstrani &amp;vse</source>
        <translation>Remove &amp;all</translation>
    </message>
    <message>
        <source>Natancna metoda</source>
        <translation>Exact method</translation>
    </message>
    <message>
        <source>Približna metoda</source>
        <translation>Approximate method</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Kriterij</source>
        <translation>Criterion</translation>
    </message>
    <message>
        <source>Rešitev</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>&amp;Občutljivost</source>
        <translation>&amp;Sensitivity</translation>
    </message>
    <message>
        <source>&amp;Predlogi za doslednost</source>
        <translation>&amp;Consistency advice</translation>
    </message>
    <message>
        <source>Predlogi za doslednost</source>
        <translation>Consistency advice</translation>
    </message>
    <message>
        <source>&amp;Udeleženci</source>
        <translation>&amp;Participants</translation>
    </message>
    <message>
        <source>Uvozi &amp;anketo...</source>
        <translation>Import &amp;survey...</translation>
    </message>
    <message>
        <source>V&amp;sebina</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>Pomoc</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>&amp;Vizitka</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Display the help contents screen</source>
        <translation>Display the help contents screen</translation>
    </message>
    <message>
        <source>Informacije o programu</source>
        <translation>About the program</translation>
    </message>
    <message>
        <source>&amp;Datoteka</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Urejanje</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Kriterij</source>
        <translation>&amp;Criterion</translation>
    </message>
    <message>
        <source>&amp;Rešitev</source>
        <translation>&amp;Solution</translation>
    </message>
    <message>
        <source>&amp;Analiza</source>
        <translation>&amp;Analysis</translation>
    </message>
    <message>
        <source>&amp;Izpisi</source>
        <translation>&amp;Reports</translation>
    </message>
    <message>
        <source>&amp;Pomoc</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Jezik</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Dodaj</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Izloci</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Preimenuj</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Odstrani</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Odstrani vse</source>
        <translation>Remove all</translation>
    </message>
    <message>
        <source>Čigave sodbe kaže in ureja mreža</source>
        <translation>Whose judgements the grid shows and edits</translation>
    </message>
    <message>
        <source>Dvoklik odpre prvo vrednost, ki še ni vnesena</source>
        <translation>Double-click opens the first value not typed yet</translation>
    </message>
    <message>
        <source>Rešitev »%1« še nima vnesenih vrednosti (za zdaj 1): %2</source>
        <translation>Solution “%1” has values not typed yet (1 for now): %2</translation>
    </message>
    <message>
        <source>Idealni način: vsak list deli deleže z najboljšim</source>
        <translation>Ideal mode: each leaf divides its shares by the best one</translation>
    </message>
    <message>
        <source>Distributivni način: deleži vsakega lista se seštejejo v 1</source>
        <translation>Distributive mode: the shares of each leaf add up to 1</translation>
    </message>
    <message>
        <source>&amp;Distributivni način</source>
        <translation>&amp;Distributive mode</translation>
    </message>
    <message>
        <source>&amp;Idealni način</source>
        <translation>&amp;Ideal mode</translation>
    </message>
    <message>
        <source>Ne&amp;gotovost</source>
        <translation>&amp;Uncertainty</translation>
    </message>
    <message>
        <source>Izvozi &amp;vprašalnik...</source>
        <translation>Export &amp;questionnaire...</translation>
    </message>
    <message>
        <source>Uvozi &amp;odgovore...</source>
        <translation>Import &amp;answers...</translation>
    </message>
</context>
<context>
    <name>TFormNewModel</name>
    <message>
        <source>Nov model</source>
        <translation>New model</translation>
    </message>
    <message>
        <source>Ime: </source>
        <translation>Name: </translation>
    </message>
    <message>
        <source>Preklici</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TFormPopup</name>
    <message>
        <source>Dodaj</source>
        <translation>Add</translation>
    </message>
</context>
<context>
    <name>TFormPopup_kriterij</name>
    <message>
        <source>Dodaj kriterij</source>
        <translation>Add criterion</translation>
    </message>
    <message>
        <source> Tip </source>
        <translation> Kind </translation>
    </message>
    <message>
        <source>Relativna razmerja</source>
        <translation>Relative ratios</translation>
    </message>
    <message>
        <source>Absolutne vrednosti - manj je bolje</source>
        <translation>Absolute values - less is better</translation>
    </message>
    <message>
        <source>Absolutne vrednosti - vec je bolje</source>
        <translation>Absolute values - more is better</translation>
    </message>
    <message>
        <source>Preklici</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ocene</source>
        <translation>Ratings</translation>
    </message>
</context>
<context>
    <name>TFormRazmerje</name>
    <message>
        <source>Razmerje</source>
        <translation>Ratio</translation>
    </message>
    <message>
        <source>Število stopenj:</source>
        <translation>Number of steps:</translation>
    </message>
    <message>
        <source>Ni primerjano</source>
        <translation>Not compared</translation>
    </message>
    <message>
        <source>Para ne primerjam: utež se dopolni iz ostalih primerjav</source>
        <translation>I do not compare this pair: the weight is completed from the other comparisons</translation>
    </message>
    <message>
        <source>Razmerje - </source>
        <translation>Ratio - </translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Kalvo - pomoč</source>
        <translation>Kalvo - help</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Pomoči ni mogoče odpreti&lt;/h3&gt;&lt;p&gt;Datoteke »%1« ni mogoče odpreti: %2&lt;/p&gt;</source>
        <translation>&lt;h3&gt;The help cannot be opened&lt;/h3&gt;&lt;p&gt;The file “%1” cannot be opened: %2&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>TJudgementHandler</name>
    <message>
        <source>Dodaj oceno</source>
        <translation>Add intensity</translation>
    </message>
    <message>
        <source>Preimenuj oceno</source>
        <translation>Rename intensity</translation>
    </message>
</context>
<context>
    <name>TNameDialog</name>
    <message>
        <source>Ime ne sme biti prazno.</source>
        <translation>The name must not be empty.</translation>
    </message>
</context>
<context>
    <name>TParticipantsDialog</name>
    <message>
        <source>Udeleženci</source>
        <translation>Participants</translation>
    </message>
    <message>
        <source>Ime:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Utež:</source>
        <translation>Weight:</translation>
    </message>
    <message>
        <source>Dodaj</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Spremeni</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Odstrani</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Zapri</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1 (utež %2)</source>
        <translation>%1 (weight %2)</translation>
    </message>
    <message>
        <source>AIJ: geometrična sredina sodb</source>
        <translation>AIJ: geometric mean of the judgements</translation>
    </message>
    <message>
        <source>AIP: geometrična sredina uteži udeležencev</source>
        <translation>AIP: geometric mean of the participants’ weights</translation>
    </message>
    <message>
        <source>AIP: aritmetična sredina uteži udeležencev</source>
        <translation>AIP: arithmetic mean of the participants’ weights</translation>
    </message>
    <message>
        <source>Združevanje:</source>
        <translation>Combining:</translation>
    </message>
    <message>
        <source>Geometrijski indeks doslednosti (GCI) vsakega udeleženca; nad pragom (0,31 za 3 postavke, 0,35 za 4, 0,37 za več) označen s »!«</source>
        <translation>Each participant’s geometric consistency index (GCI); above its threshold (0.31 for 3 items, 0.35 for 4, 0.37 for more) marked “!”</translation>
    </message>
</context>
<context>
    <name>TPrintHandler</name>
    <message>
        <source>Privzeti tiskalnik ni nastavljen, zato izpisa ni mogoče natisniti.</source>
        <translation>No default printer is set, so the report cannot be printed.</translation>
    </message>
    <message>
        <source>Izpisa ni bilo mogoče natisniti.</source>
        <translation>The report could not be printed.</translation>
    </message>
    <message>
        <source>Izpis</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Izpisa ni bilo mogoče pripraviti za tisk.</source>
        <translation>The report could not be prepared for printing.</translation>
    </message>
</context>
<context>
    <name>TProjectCommands</name>
    <message>
        <source>Odpri model</source>
        <translation>Open model</translation>
    </message>
    <message>
        <source>Kalvo model (*.krt *.KRT)</source>
        <translation>Kalvo model (*.krt *.KRT)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Shrani model</source>
        <translation>Save model</translation>
    </message>
    <message>
        <source>Kalvo model (*)</source>
        <translation>Kalvo model (*)</translation>
    </message>
    <message>
        <source>Modela »%1« ni.</source>
        <translation>There is no model “%1”.</translation>
    </message>
    <message>
        <source>Vprašanje</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Model »%1« že obstaja. Ga želite nadomestiti?</source>
        <translation>The model “%1” exists already. Do you want to replace it?</translation>
    </message>
    <message>
        <source>Model »%1« je bil medtem spremenjen. Ga želite nadomestiti?</source>
        <translation>The model “%1” has been changed in the meantime. Do you want to replace it?</translation>
    </message>
    <message>
        <source>Želite shraniti spremembe modela »%1«?</source>
        <translation>Do you want to save the changes of the model “%1”?</translation>
    </message>
    <message>
        <source>Želite shraniti projekt pred izhodom?</source>
        <translation>Do you want to save the project before you exit?</translation>
    </message>
</context>
<context>
    <name>TRatingsPanel</name>
    <message>
        <source>Rešitev</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>Ocena</source>
        <translation>Rating</translation>
    </message>
    <message>
        <source>Dodaj</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Dodaj oceno na konec lestvice</source>
        <translation>Add an intensity at the end of the scale</translation>
    </message>
    <message>
        <source>Preimenuj</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Preimenuj oceno v izbrani vrstici mreže</source>
        <translation>Rename the intensity in the grid’s current row</translation>
    </message>
    <message>
        <source>Odstrani</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Odstrani oceno v izbrani vrstici mreže</source>
        <translation>Remove the intensity in the grid’s current row</translation>
    </message>
    <message>
        <source>Premakni oceno v izbrani vrstici mreže gor</source>
        <translation>Move the intensity in the grid’s current row up</translation>
    </message>
    <message>
        <source>Premakni oceno v izbrani vrstici mreže dol</source>
        <translation>Move the intensity in the grid’s current row down</translation>
    </message>
    <message>
        <source>Neposredne vrednosti ocen</source>
        <translation>Direct values of the intensities</translation>
    </message>
    <message>
        <source>ni ocenjeno</source>
        <translation>not rated</translation>
    </message>
</context>
<context>
    <name>TReportView</name>
    <message>
        <source>Izpisa ni bilo mogoče shraniti v »%1«.</source>
        <translation>The report could not be saved in “%1”.</translation>
    </message>
</context>
<context>
    <name>TResultsPanel</name>
    <message>
        <source>%1. mesto</source>
        <translation>place %1</translation>
    </message>
    <message>
        <source>uteži niso določene</source>
        <translation>weights not determined</translation>
    </message>
    <message>
        <source>Uvrstitev po sodbah vsakega udeleženca:
</source>
        <translation>Rank by each participant&apos;s judgements:
</translation>
    </message>
</context>
<context>
    <name>TSensitivityWindow</name>
    <message>
        <source>Občutljivost</source>
        <translation>Sensitivity</translation>
    </message>
    <message>
        <source>SubcriterionChoice:</source>
        <translation>Sub-criterion:</translation>
    </message>
    <message>
        <source>Shrani sliko</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Utež:</source>
        <translation>Weight:</translation>
    </message>
    <message>
        <source>Današnja utež</source>
        <translation>Today&apos;s weight</translation>
    </message>
    <message>
        <source>Kriterij »%1« nima podkriterijev, zato občutljivosti uteži ni. Izberite kriterij s podkriteriji.</source>
        <translation>Criterion “%1” has no sub-criteria, so there is no sensitivity of weights. Choose a criterion with sub-criteria.</translation>
    </message>
    <message>
        <source>%1: ni rešitev, zato ni česa razvrstiti.</source>
        <translation>%1: there are no solutions, so there is nothing to rank.</translation>
    </message>
    <message>
        <source>%1: vse rešitve so enako dobre, zato ni česa razvrstiti.</source>
        <translation>%1: all solutions are equally good, so there is nothing to rank.</translation>
    </message>
    <message>
        <source>%1: najbolj občutljiv je »%2«; z utežjo %3 namesto %4 bi bila najboljša rešitev »%5«.</source>
        <translation>%1: the most sensitive is “%2”; with the weight %3 instead of %4 the best solution would be “%5”.</translation>
    </message>
    <message>
        <source>%1: nobena sprememba ene uteži ne spremeni najboljše rešitve.</source>
        <translation>%1: no change of one weight changes the best solution.</translation>
    </message>
    <message>
        <source>»%1« ostane najboljša pri uteži od %2 do %3.</source>
        <translation>“%1” stays the best at weights from %2 to %3.</translation>
    </message>
    <message>
        <source> Pod %1 jo prehiti »%2«.</source>
        <translation> Below %1, “%2” overtakes it.</translation>
    </message>
    <message>
        <source> Nad %1 jo prehiti »%2«.</source>
        <translation> Above %1, “%2” overtakes it.</translation>
    </message>
    <message>
        <source>Ocene rešitev po uteži kriterija »%1«</source>
        <translation>Scores of the solutions by the weight of criterion “%1”</translation>
    </message>
    <message>
        <source>Utež</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>Ocena</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Zamenjave</source>
        <translation>Changes of place</translation>
    </message>
    <message>
        <source>Pri uteži %1 se zamenjata »%2« in »%3«.</source>
        <translation>At the weight %1, “%2” and “%3” change places.</translation>
    </message>
    <message>
        <source>Ni rešitev, zato ni česa razvrstiti.</source>
        <translation>There are no solutions, so there is nothing to rank.</translation>
    </message>
    <message>
        <source>Vse rešitve so enako dobre, zato ni česa razvrstiti.</source>
        <translation>All solutions are equally good, so there is nothing to rank.</translation>
    </message>
    <message>
        <source>Pri uteži %1 (danes %2): %3</source>
        <translation>At the weight %1 (today %2): %3</translation>
    </message>
    <message>
        <source> (izmed %1 rešitev)</source>
        <translation> (of %1 solutions)</translation>
    </message>
</context>
<context>
    <name>TSolutionHandler</name>
    <message>
        <source>Dodaj rešitev</source>
        <translation>Add solution</translation>
    </message>
    <message>
        <source>Preimenuj rešitev</source>
        <translation>Rename solution</translation>
    </message>
</context>
<context>
    <name>TStatusLineView</name>
    <message>
        <source>Statusna vrstica</source>
        <translation>Status line</translation>
    </message>
    <message>
        <source>Predlogi za doslednost</source>
        <translation>Consistency advice</translation>
    </message>
</context>
<context>
    <name>TUncertaintyWindow</name>
    <message>
        <source>Negotovost</source>
        <translation>Uncertainty</translation>
    </message>
    <message>
        <source>Za koliko korakov lestvice se lahko vsaka sodba premakne</source>
        <translation>How many steps of the scale each judgement may move</translation>
    </message>
    <message>
        <source>Vzorči udeležence po utežeh</source>
        <translation>Draw the participants by their weights</translation>
    </message>
    <message>
        <source>Razpon sodb:</source>
        <translation>Spread:</translation>
    </message>
    <message>
        <source>Ponovitve:</source>
        <translation>Runs:</translation>
    </message>
    <message>
        <source>Izračunaj</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Prekini</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Shrani sliko...</source>
        <translation>Save picture...</translation>
    </message>
    <message>
        <source>Rešitev</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>Ocena danes</source>
        <translation>Score today</translation>
    </message>
    <message>
        <source>Verjetnost prvega mesta</source>
        <translation>Probability of first place</translation>
    </message>
    <message>
        <source>Ocena: 5 % – mediana – 95 %</source>
        <translation>Score: 5 % – median – 95 %</translation>
    </message>
    <message>
        <source>Prekinjeno.</source>
        <translation>Cancelled.</translation>
    </message>
    <message>
        <source>%1. mesto</source>
        <translation>place %1</translation>
    </message>
    <message>
        <source>%1. mesto ali nižje</source>
        <translation>place %1 or lower</translation>
    </message>
    <message>
        <source>Verjetnosti mest</source>
        <translation>Probabilities of the places</translation>
    </message>
    <message>
        <source>Ostale (%1) (%2)</source>
        <translation>The rest (%1) (%2)</translation>
    </message>
    <message>
        <source>Isti tok naključij da vedno isti rezultat</source>
        <translation>The same random stream always gives the same result</translation>
    </message>
    <message>
        <source>Tok naključij:</source>
        <translation>Random stream:</translation>
    </message>
    <message>
        <source>%1 ponovitev, uporabljenih %2; tok naključij %3, razpon %4.</source>
        <translation>%1 runs, %2 used; random stream %3, spread %4.</translation>
    </message>
</context>
<context>
    <name>WidgetPicture</name>
    <message>
        <source>Slike »%1« ni mogoče shraniti.</source>
        <translation>The picture “%1” cannot be saved.</translation>
    </message>
    <message>
        <source>Shrani sliko</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Slika PNG (*.png)</source>
        <translation>PNG picture (*.png)</translation>
    </message>
    <message>
        <source>Slika SVG (*.svg)</source>
        <translation>SVG picture (*.svg)</translation>
    </message>
</context>
</TS>
